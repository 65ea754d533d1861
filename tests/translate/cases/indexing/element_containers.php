<?php
// A bracket after an element works on that element: a text element of an
// array is sliced and indexed as a text.
$ta=array("abcd");
echo substr($ta[0],1,2), " ", $ta[0][3], "\n";
$ta[0]="x".substr($ta[0],2);
print_r($ta);echo "\n";
$a=array(array(1,2,3));
echo var_export(array_slice($a[0],1,2),true), "\n";

?>
