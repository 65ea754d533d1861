<?php

class Point

{
   var $x=1;
   var $y=2;
   function __construct($a= 0,$b= 0)
   {
      $this->x=$a;
      $this->y=$b;
      return;
   }
}

$p=new Point();
$q=new Point(3,4);
$r=null;
$n=null;
$all=array();
$s=$q;
function sum($a,$b)
{
   $c=$a;
   $d=new Point();
   return $c->x+$b->y+$d->x;
}
echo $p->x, " ", $q->y, " ", $r===null, " ", count($all), " ", $s->x, " ", sum($p,$q), "\n";

?>
