<?php
define("MAX",3);
define("NAME","");
$MAX=4;
$NAME.="x";
$n=0;
$n=1;
$MAX=2;
echo MAX, " ", NAME, " ", $n, "\n";

?>
