<?php

class A

{
protected    function p()
   {
      return 2;
   }
   function q($a)
   {
      return $a*3;
   }
}


class B extends A
{
   function f()
   {
      return $this->p()+$this->q(2);
   }
}

$b1=new B();
echo $b1->f(), "\n";

?>
