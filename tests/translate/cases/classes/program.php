<?php

class Item

{
   var $n=3;
   var $name="item";
}

class Box
{
   var $it;
static    $shared;
   var $count=2;
   var $copy;
   var $none=null;
   var $items=array();
function __construct(){
   $this->it=new Item();
   $this->copy=$this->count;
}
}
Box::$shared=new Item();


class Big extends Box
{
   var $label="big";
   var $extra;
function __construct(){
parent::__construct();
   $this->extra=new Item();
}
}

$b=new Big();
echo $b->it->n, " ", $b->count, " ", $b->copy, " ", $b->label, " ", $b->extra->name, "\n";
Box::$shared->n=7;
echo Box::$shared->n, "\n";

?>
