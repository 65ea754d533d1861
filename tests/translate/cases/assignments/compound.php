<?php
$n=10;
$r=1.5;
$s="ab";
$a=array(1,2,3);
$b=array(2,3,4);
$d=array("x"=>1,"y"=>2);
$ia=array(1,2);
$n+=5;
$n-=3;
$n*=2;
$n%=5;
$n<<=3;
$n>>=1;
$n|=1;
$n&=7;
$n^=2;
$r/=2;
$s.="c";
$s.="d";
echo $n, " ", $r, " ", $s, "\n";
$a=array_merge($a,array(4));
$a=array_values(array_diff($a,array(1)));
print_r($a);echo "\n";
$a=array_merge($a,array(9));
$a=array_values(array_unique(array_merge($a,$b)));
print_r($a);echo "\n";
$a=array_values(array_intersect($a,$b));
print_r($a);echo "\n";
$a=array_values(array_unique(array_merge(array_diff($a,array(3)),array_diff(array(3),$a))));
print_r($a);echo "\n";
$d=array_diff($d,array("y"=>2));
print_r($d);echo "\n";
$ia=array_merge($ia,array(3));
print_r($ia);echo "\n";

?>
