<?php

function less($a,$b)
{
   return $a<$b;
}
function apply($f,$x)
{
   return $x;
}
$cal=new Java("util.Calendar");
$format=new Java("java.text.Format");
$n=new Node();
$s="";
$t="x";
echo apply("less",3), " ", $s, " ", $t, "\n";

?>
