<?php
$numbers=array();
$n=0;
$numbers=array(4);
$n=5;
$n=6;
$numbers=array(7);
echo var_export($numbers,true), " ", $n, "\n";

?>
