<?php
function f($a)
{
   return $a;
}
function t($a,$b="b")
{
   return $b;
}
$x=f(1,2);
$y=t();
function two()
{
   return array(1,intVal("a"));
}
function nothing()
{
   return 1;
}
function none()
{
   return;
}

?>
