<?php
// nil before "+" and a text is joined to it, and before "-" and an array
// takes the difference: PHP throws on "+" between texts and "-" between arrays.
$t="abc";
$a=array(1);
$d=array("k"=>1);
$ia=array(2);
echo "".$t, " ", ""."x", "\n";
echo var_export(array_values(array_diff(array(),$a)),true), " ", var_export(array_diff(array(),$d),true), " ", var_export(array_values(array_diff(array(),$ia)),true), "\n";
echo var_export(array()+$a,true), " ", false-1, "\n";

?>
