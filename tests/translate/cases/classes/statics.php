<?php

class A

{
   var $v=4;
static    $count=0;
   function m()
   {
      return $this->v;
   }
static    function s()
   {
      return self::$count+2;
   }
static    function t()
   {
      $local=1;
      return $this->v+$local;
   }
}

echo A::s(), "\n";
echo A::m(), "\n";

?>
