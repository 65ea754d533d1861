<?php
echo $missing, "\n";
echo $missing+1, "\n";
$missing=2;
$other[1]=3;
$n=intVal($missing+$other[0]);
echo $n, "\n";

?>
