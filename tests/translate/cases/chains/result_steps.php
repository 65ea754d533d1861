<?php
// Each step of a chain is resolved in the class of the step before: methods
// and attributes of a method's result, of the class and of its parents.

class Tag

{
   var $label="tag";
static    $made=0;
   function self()
   {
      return $this;
   }
}


class Part
{
   var $name="part";
   var $tag;
   function parent()
   {
      return $this;
   }
   function title()
   {
      return "<".$this->name.">";
   }
function __construct(){
   $this->tag=new Tag();
}
}


class Order extends Part
{
   var $total=0;
   function add($n)
   {
      $this->total=$this->total+$n;
      return $this;
   }
   function summary()
   {
      return "total ".strval($this->total);
   }
   function label()
   {
      return $this->tag;
   }
static    function make()
   {
      return new Order();
   }
}

$ord=new Order();
echo $ord->add(2)->summary(), " ", $ord->add(1)->add(1)->total, "\n";
echo $ord->add(0)->parent()->title(), " ", $ord->parent()->name, " ", $ord->add(1)->label()->self()->label, "\n";
echo strlen($ord->label()->label), " ", $ord->add(1)->tag->self()->label, " ", $ord->label()::$made, "\n";
echo Order::make()->add(5)->summary(), " ", strlen(Order::make()->parent()->title()), "\n";
$s=$ord->add(1)->summary();
$t=$ord->add(1)->total+1;
echo $s, " ", $t, "\n";

?>
