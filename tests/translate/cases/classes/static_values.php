<?php

class A

{
static    $total=3;
static    $twice;
   var $inst;
   var $b;
static    $one;
function __construct(){
   $this->inst=self::$total+1;
   $this->b=$this->inst+1;
}
}
A::$twice=A::$total*2;
A::$one=new A();

echo A::$twice, "\n";
$x=new A();
echo $x->inst, " ", $x->b, " ", A::$one->b, "\n";

?>
