<?php
$a=0;
$b=0;
$c=0;
$s="";
$list=array(7,8,9);
$a=1;
$a=2;
$b=3;
echo $a, " ", $b, "\n";
$_I1=$list;
$a=reset($_I1);
$b=next($_I1);
$c=next($_I1);
echo $a, " ", $b, " ", $c, "\n";
$_I1=5;
$a=$_I1;
$b=$_I1;
echo $a, " ", $b, "\n";
$s="next line";
$a=4;
$b=$a*2;
$raw=$a+$b;
echo $s, " ", $a, " ", $b, " ", var_export($raw,true), "\n";
$a=6;
$b=7;
echo $a, " ", $b, "\n";

?>
