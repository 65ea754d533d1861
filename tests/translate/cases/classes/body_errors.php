<?php

class A

{
   var $x=1;
   function f()
   {
      $this->x=$a;
      return $this->x;
   }
   function g()
   {
      
      $this->x=3;
      return $this->x;
   }

   function h()
   {
      
   }
}

function k()
{
   return 1;
}

class B

{
   var $y=2;
}

?>
