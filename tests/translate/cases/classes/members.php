<?php

class A

{
   var $x=1;
   function get()
   {
      return $this->x;
   }
static    function make()
   {
      $local=0;
      $local=$this->x;
      return $local;
   }
   function a()
   {
      return;
   }
   var $y;
function __construct(){
   $this->y=$this->get();
}
}


class B extends A
{
   function setup()
   {
      if(true)
      {
         parent::__construct();
      }
      return;
   }
}


class D
{
   function __construct()
   {
      ;
      return;
   }
}

;
function f()
{
   ;
   return;
}
echo A::get(), "\n";

?>
