<?php

class Item

{
   var $n=4;
}

class Box
{
   var $it;
function __construct(){
   $this->it=new Item();
}
}


class Big extends Box
{
   var $size=0;
   function __construct($s= 0)
   {
      parent::__construct();
      $this->size=$s;
      return;
   }
}


class Huge extends Big
{
   var $extra;
   function __construct()
   {
      $this->extra=new Item();
      return;
   }
}

$b=new Big(2);
echo $b->it->n, " ", $b->size, "\n";
$h=new Huge();
echo $h->extra->n, " ", $h->size, "\n";

?>
