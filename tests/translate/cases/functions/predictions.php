<?php

class Item

{
   var $n=1;
}
function f($s)
{
   return 1;
}
function g($s)
{
   return new Item();
}
function two()
{
   return array(1,"a");
}
function three()
{
   return array("b",2);
}
function h($it,$k)
{
   return $it;
}
function p()
{
   return 2;
}
function q()
{
   return;
}
function r()
{
   return 3;
}

class V

{
}
$s="";
$it=g("y");
echo f("x"), " ", $it->n, " ", p(), " ", r(), " ", $s, "\n";

?>
