<?php
$a=array(1,2,3,4);
echo var_export(array_slice($a,1,2)[0],true), "\n";
echo var_export(current(array_slice($a,1,2)),true), "\n";
$a[0]=5;
print_r($a);echo "\n";

?>
