<?php

class Counter

{
   var $value=0;
   function add($n)
   {
      $this->value=$this->value+$n;
      return $this;
   }
   function fact($n)
   {
      if($n<=1)
      {
         return 1;
      }
      return $n*$this->fact($n-1);
   }
static    function make()
   {
      return new Counter();
   }
}

$c=Counter::make();
$c->add(2)->add(3);
echo $c->value, " ", $c->fact(4), "\n";

?>
