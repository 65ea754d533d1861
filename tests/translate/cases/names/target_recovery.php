<?php
define("K",1);
$a=array(0,0);

echo K, "\n";
$n=K;
$a[K]=K;
echo $n, " ", var_export($a,true), "\n";

?>
