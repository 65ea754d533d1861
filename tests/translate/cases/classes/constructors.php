<?php

class Item

{
   var $n=5;
}

class Box
{
   var $it;
   var $tag="box";
   function __construct()
   {
      $this->it=new Item();
      return;
   }
}


class Crate
{
   var $first;
   var $tag="";
   function __construct($size= 0,$name="crate")
   {
      $this->first=new Item();
      $this->tag=$name;
      if($size>1)
      {
         $extra=new Item();
         echo $extra->n+$size, "\n";
      }
      return;
   }
}

$b=new Box();
$c=new Crate(2);
echo $b->it->n, " ", $b->tag, " ", $c->first->n, " ", $c->tag, "\n";

?>
