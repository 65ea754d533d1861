<?php
// Keys, positions and bounds are integers: a real one is cut to an integer in
// so many words (PHP 8 deprecates cutting a fraction silently).
$a=array(1,2,3,4);
$r=1.5;
$n=2;
$t="abcdef";
echo var_export($a[(int)($r)],true), " ", $t[(int)($r)], " ", var_export($a[(int)($n)],true), "\n";
$a[(int)($r)]=7;
echo var_export(array_slice($a,0,(int)($r)-(0)+count($a)*((int)($r)<0)+1),true), " ", substr($t,(int)($r),(int)($n)-((int)($r))+strlen($t)*(((int)($n)<0)-((int)($r)<0))+1), "\n";
array_splice($a,(int)($r),1);
print_r($a);echo "\n";

?>
