<?php

class A

{
static    function s($n)
   {
      if($n>0)
      {
         return self::s($n-1)+1;
      }
      return 0;
   }
static    function t()
   {
      return self::s(2)+1;
   }
   function u()
   {
      return self::s(1)+self::t();
   }
}

$a1=new A();
echo A::t(), " ", $a1->u(), "\n";

?>
