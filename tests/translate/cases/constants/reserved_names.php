<?php
// A constant named like one of PHP's own words is read through constant():
// standing bare, PHP would parse it as the word (and "die" would end the run).
define("list",1);
define("DIE",2);
define("Empty",3);
$a=array(5,6,7);
echo constant("list")+constant("DIE"), " ", constant("Empty"), " ", var_export($a[constant("list")],true), "\n";
$x=constant("list")*2;
echo $x, "\n";

?>
