<?php
// a compound assignment keeps an integer target an integer
$w=5;
$w=intVal($w/2);
echo $w, " ", $w*2, "\n";
$k=2;
$r=-1.5;
$k=intVal($k+$r);
echo $k, "\n";
$k=3;
$k=intVal($k*1.5);
echo $k, "\n";
$m=7;
$m=intVal($m-($r*3));
echo $m, "\n";
$a=array(5,6);
$a[1]=intVal($a[1]/4);
print_r($a);echo "\n";
// a failed call leaves a target it finds set, even to 0, as it was
$c=0;
if(($error=@(strpos("abc","z")))!==false || $c===null) $c=$error;
echo $c, " ", var_export($error,true), "\n";
$p=0;
if(($error=@(strpos("abc","c")))!==false || $p===null) $p=$error;
echo $p, "\n";

?>
