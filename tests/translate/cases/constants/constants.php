<?php
define("MAX",10);
define("NONE",0);
define("NAME","velp");
define("BLANK","");
define("PRIMES",array(2,3,5));
$half=0.5;
define("A",intVal($half));
define("B",2);
$n=MAX+B;
echo MAX, " ", NONE, " ", NAME, " ", BLANK, " ", A, " ", B, " ", $n, "\n";
echo var_export(PRIMES[1],true), " ", NAME[0], "\n";
$list=array(0,1,2);
$list[B]=MAX;
print_r($list);echo "\n";

?>
