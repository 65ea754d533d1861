<?php
// A slice takes an array, a dict, a text or a var: PHP's array_slice and
// substr throw on a number, a boolean or an object.
$n=5;
$r=1.5;
$b=true;
$o=0;
$v=array(1,2);
echo array_slice($n,0,2), " ", array_slice($r,1), "\n";
echo array_slice($b,0,2), "\n";
echo array_slice($o,0,1), "\n";
array_splice($n,0,2,7);
echo var_export(array_slice($v,0,2),true), "\n";

?>
