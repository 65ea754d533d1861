<?php

class A

{
   function area()
   {
      return 1;
   }
   function two($a,&$b)
   {
      return $a;
   }
static    function s()
   {
      return 1;
   }
protected    function p()
   {
      return 1;
   }
private    function q()
   {
      return 1;
   }
}


class C extends A
{
   function area($x=2)
   {
      return $x;
   }
   function two($a,&$b,$c="")
   {
      return $a+$b;
   }
static    function s()
   {
      return 3;
   }
   function p()
   {
      return 3;
   }
   function q($z)
   {
      return $z;
   }
}

$c1=new C();
$k=4;
echo $c1->area(), " ", $c1->two(1,$k), " ", C::s(), " ", $c1->p(), " ", $c1->q(5), "\n";

?>
