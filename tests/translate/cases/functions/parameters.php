<?php
$y=3;
function f($a,$b)
{
   return $a+$b;
}
function g($s,&$n,&$m)
{
   return $s;
}
function h($a,$r=2.5,$t="z")
{
   return;
}
function k($a)
{
   return $a;
}
function d($a=1,$b=2)
{
   return $a;
}

?>
