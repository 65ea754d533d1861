<?php

class A

{
private    function h()
   {
      return 1;
   }
protected    function p()
   {
      return 2;
   }
}


class B extends A
{
   function f()
   {
      return $this->h()+$this->p();
   }
}

$b1=new B();
echo $b1->f(), "\n";

?>
