<?php
// A single value on the right of a set operator on a typed array is a typed
// array of one element, and is written as one (PHP's array functions throw
// on a scalar).
$ia=array(1,2);
$ta=array("x");
$i=2;
print_r(array_values(array_unique(array_merge($ia,array(3)))));echo "\n";
print_r(array_values(array_intersect($ia,array($i))));echo "\n";
print_r(array_values(array_unique(array_merge(array_diff($ia,array(1)),array_diff(array(1),$ia)))));echo "\n";
print_r(array_values(array_unique(array_merge($ta,array("y")))));echo "\n";
$ia=array_values(array_unique(array_merge($ia,array(7))));
print_r($ia);echo "\n";

?>
