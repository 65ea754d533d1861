<?php
$x=0;
if(($error=@(1))!==false || $x===null) $x=$error;



$x=intVal($x===1);

$x=3;
echo $x, "\n";

?>
