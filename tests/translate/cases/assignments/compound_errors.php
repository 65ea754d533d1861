<?php
$a=array(1);
print_r($a);echo "\n";
$i=1;
$_I1=2;
$i*=$_I1;
$v=3;

?>
