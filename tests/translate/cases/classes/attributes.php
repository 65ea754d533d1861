<?php
$g=5;

class Counter
{
   var $start=10;
   var $copy;
   var $ratio=1.5;
   var $whole;
   var $list=array();
static    $total=3;
   var $label="c"."d";
   function __construct()
   {
      $this->copy=$this->start;
      $this->whole=intVal(2.5);
      self::$total=self::$total+1;
      return;
   }
   var $late;
   var $next=null;
}
$c=new Counter();
echo $c->start, " ", $c->copy, " ", $c->ratio, " ", $c->whole, " ", Counter::$total, " ", $c->label, " ", $c->late, "\n";

?>
