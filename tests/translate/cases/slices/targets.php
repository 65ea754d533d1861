<?php
$a=array(1,2,3);
$b=array(4,5,6);
array_splice($a,0,2,array(9));
array_splice($b,1,2,array(8));
echo var_export($a,true), " ", var_export($b,true), "\n";
array_splice($a,1,-1-(1)+count($a)+1,array(5));
print_r($a);echo "\n";

?>
