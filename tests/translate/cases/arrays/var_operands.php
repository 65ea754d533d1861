<?php
// A var operand of an array operator may hold one value: it is taken as an
// array of that value, as an array it stays as it is.
$a=array(1,2);
$ta=array("x","y");
$v="x";
$w=array(2);
echo var_export(array_merge($a,(array)($v)),true), " ", var_export(array_merge((array)($v),$a),true), " ", var_export(array_values(array_diff($a,(array)($w))),true), " ", var_export(array_values(array_intersect((array)($v),$ta)),true), " ", var_export(array_values(array_diff((array)($w),$a)),true), "\n";
$ta=array_values(array_diff($ta,(array)($v)));
$a=array_merge($a,(array)($v));
echo var_export($a,true), " ", var_export($ta,true), "\n";
// and so is a var target of a compound operator with an array value
$z=3;
$z=array_merge((array)($z),array(4));
$z=array_values(array_diff((array)($z),array(3)));
echo var_export($z,true), "\n";

?>
