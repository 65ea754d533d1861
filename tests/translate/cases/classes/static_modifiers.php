<?php

class Item

{
   var $n=1;
}

class B
{
private    $a;
protected static    $b;
private static    $c=2;
   private static $d=0;
   var $e;
   function get()
   {
      return $this->a->n+self::$b->n+self::$c+$this->e->n;
   }
function __construct(){
   $this->a=new Item();
   $this->e=new Item();
}
}
Closure::bind(function(){B::$b=new Item();},null,"B")();

$x=new B();
echo $x->get(), "\n";

?>
