<?php
// the methods of numbers, naturals and var values
$i=7;
$r=2.75;
$n=5;
$x=3;
$v="12";
echo strval($i), " ", doubleval($i), " ", intval($i), " ", intval($r), " ", strval($r), " ", intval($r), "\n";
echo strval($n), " ", intval($n), " ", doubleval($n), " ", intval($x), " ", strval($x), "\n";
echo intval($v)+1, " ", is_string($v), " ", is_int($v), " ", strlen($v), "\n";

?>
