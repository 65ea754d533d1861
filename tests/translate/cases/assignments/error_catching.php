<?php
$t="start";
$n=1;
$r=0;
$a=array(0,1);
if(($error=@("new"))!="" || $t===null)$t=$error;
else $error=false;
echo $t, " ", var_export($error,true), "\n";
if(($error=@(""))!="" || $t===null)$t=$error;
else $error=false;
echo $t, " ", var_export($error,true), "\n";
if(($error=@(3))!==false || $n===null) $n=$error;
echo $n, " ", var_export($error,true), "\n";
if(($error=@(intVal(2.5)))!==false || $n===null) $n=$error;
if(($error=@(false))!==false || $r===null) $r=$error;
if(($error=@(9))!==false || $a[1]===null) $a[1]=$error;
echo $n, " ", $r, " ", var_export($a,true), "\n";
$u=@"u";
$error=$u;
$m=@4;
$error=$m;
echo $u, " ", $m, " ", var_export($error,true), "\n";

?>
