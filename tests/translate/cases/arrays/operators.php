<?php
print_r(array_merge(array(1,2),array(3)));echo "\n";
print_r(array_values(array_diff(array(1,2,3),array(2))));echo "\n";
print_r(array_values(array_diff(array_merge(array(1,2),array(3)),array(1))));echo "\n";
print_r(array_merge(array(1),array(5)));echo "\n";
print_r(array_diff(array("a"=>1,"b"=>2),array("x"=>2)));echo "\n";
print_r(array_values(array_unique(array_merge(array(1,2),array(2,3)))));echo "\n";
print_r(array_values(array_intersect(array(1,2),array(2,3))));echo "\n";
print_r(array_values(array_unique(array_merge(array_diff(array(1,2),array(2,3)),array_diff(array(2,3),array(1,2))))));echo "\n";
print_r(array_merge(array(1,2),array(intval(3))));echo "\n";

?>
