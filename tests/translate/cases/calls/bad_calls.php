<?php
$s="ab";
echo var_export(null,true), "\n";
$n=intVal(null);
echo $s, "\n";
null;
echo abs(-2), " ", strtoupper($s), "\n";

?>
