<?php
// A list or dict whose first element is a name is a literal like any other.
$i=1;
$a=array($i);
$d=array($i=>"one");
echo var_export(array($i,2),true), " ", var_export(array($a[0],$i+1),true), " ", var_export(array($i),true), " ", var_export(array("k"=>$i),true), "\n";
echo var_export($a,true), " ", var_export($d,true), " ", in_array($i,array($i,3)), "\n";

?>
