<?php
$m=array(array(1,2),array(3));
$r=$m[1];
echo $r[0], " ", var_export($m[0][1],true), "\n";
$n=array(array(5));
$k=intVal($n[0][0]);
echo $k, "\n";

?>
