<?php
function bump(&$n,$by=1)
{
   $n=$n+$by;
   return;
}
function split($v)
{
   return array(intVal($v/2),$v%2);
}
function greet($who)
{
   return;
}
$a=5;
bump($a);
bump($a,3);
$h=0;
$r=0;
$_I1=split(9);
$h=reset($_I1);
$r=next($_I1);
echo $a, " ", $h, " ", $r, "\n";
greet("x");

?>
