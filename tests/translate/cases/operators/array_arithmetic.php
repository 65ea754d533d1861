<?php
// "*", "/", "mod", "<<" and ">>" take no array on either side: PHP throws.
$a=array(1,2);
$ia=array(3);
$v=2;
echo $a*$a, "\n";
echo $a/$ia, "\n";
echo $ia%$a, "\n";
echo $a<<$a, " ", $ia>>$ia, "\n";
echo array(1)*array(2), " ", $v*$a, "\n";
echo var_export($v*$v,true), " ", 6/3, " ", 7%2, " ", 1<<2, "\n";
// var plus an array is an array
echo 2*(array_merge((array)($v),$a)), " ", 3|array_values(array_diff((array)($v),$a)), "\n";

?>
