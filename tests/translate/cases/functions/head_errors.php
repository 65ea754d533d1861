<?php

function f()
{
   return 1;
}
function g($a)
{
   return $a;
}
function h()
{
}

$y=1;
function k()
{
   return 2;
}
if(true)
{
   echo k(), "\n";
}


class C
{
   function m($a)
   {
      return 1;
   }
   function n()
   {
      return 3;
   }
}

$obj=new C();
echo $obj->n(), "\n";

?>
