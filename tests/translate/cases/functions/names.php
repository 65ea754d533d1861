<?php

class Exception

{
}

class Closure
{
   var $a=0;
}

class Directory
{
}

class Fine
{
   function count()
   {
      return 2;
   }
}

$x=1;

?>
