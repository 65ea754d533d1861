<?php
$x=0;
$x="a";
$X=0;
$y=0;
$y=0;
define("K",1);
$k=0;
echo $x, " ", $y, "\n";

?>
