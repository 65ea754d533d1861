<?php
print_r(array_merge(array(1,2),array(3,4)));echo "\n";
print_r(array_merge(array(1,2),array(3)));echo "\n";
print_r(array_merge(array(1,2),array("a","b")));echo "\n";
print_r(array_merge(array(1,2),array("a")));echo "\n";

?>
