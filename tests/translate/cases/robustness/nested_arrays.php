<?php
$m=array(array(1,2),array(3));
$y=intVal($m[0]);
$r=$m[1];
$z=intVal($m[0][1]);
$t=array(array("a"));
$s=$t[0];
echo $z, " ", $r[0], " ", $s, "\n";

?>
