<?php
// A conversion among the values of a typed-array list leaves the list a
// typed array, and a list inside a single-value conversion leaves it a value.
print_r(array(intval("4"),intval("5")));echo "\n";
print_r(array_merge(array(intval("4"),5),array(1)));echo "\n";
$r=array(intval("1"),2.5);
print_r($r);echo "\n";
echo intval(array(1,2))+1, "\n";

?>
