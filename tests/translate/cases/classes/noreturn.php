<?php

class A

{
   var $x=0;
   function f()
   {
      $this->x=1;
      
   }
}

function g()
{
   return 2;
}
echo g(), "\n";

?>
