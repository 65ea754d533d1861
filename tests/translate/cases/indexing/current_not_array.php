<?php
$s="abc";
$n=3;
$v=array(1);
$c=current($s);
$n[key($n)]=4;
echo var_export(current($v),true), "\n";

?>
