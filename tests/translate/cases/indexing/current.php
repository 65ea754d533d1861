<?php
$a=array(5,6,7);
$ia=array(8,9);
echo var_export(current($a),true), " ", current($ia)+1, "\n";
$a[key($a)]=50;
print_r($a);echo "\n";
$n=current($ia);
echo $n, "\n";

?>
