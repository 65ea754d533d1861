<?php

class A

{
   var $x=1;
static    $s=1;
protected    $p=1;
private    $q=1;
}

class C extends A
{
   var $x=5;
static    $s=6;
   var $p=7;
static    $q=8;
}
$c1=new C();
echo $c1->x, " ", C::$s, " ", $c1->p, "\n";

?>
