<?php
// A chained step is checked like any member call: a missing method or
// attribute, a wrong argument count or type, a hidden member, a value that
// is no object.

class Base

{
   var $level=1;
   function up()
   {
      return $this;
   }
}


class Order extends Base
{
   var $total=0;
private    $secret=0;
   function add($n)
   {
      $this->total=$this->total+$n;
      return $this;
   }
   function count()
   {
      return $this->total;
   }
   function base()
   {
      return $this;
   }
}

$ord=new Order();
echo $ord->add(2)->nope(), "\n";
echo $ord->add(2)->add(1,2)->count(), " ", $ord->up()->up(3), "\n";
echo $ord->add(intVal("x"))->count(), "\n";
echo $ord->add(1)->missing, " ", $ord->add(1)->secret, " ", $ord->base()->total, "\n";
echo $ord->add(1)->count()->level, " ", $ord->add(1)->total->level, "\n";
echo $ord->base()->count(), " ", $ord->base()->up()->add(1), "\n";

?>
