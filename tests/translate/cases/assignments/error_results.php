<?php
$pos=5;
if(($error=@(strpos("abc","a")))!==false || $pos===null) $pos=$error;
echo $pos, " ", var_export($error,true), "\n";
$a=array();
$n=7;
if(($error=@(count($a)))!==false || $n===null) $n=$error;
echo $n, " ", var_export($error,true), "\n";
$t="x";
if(($error=@("0"))!="" || $t===null)$t=$error;
else $error=false;
echo $t, " ", var_export($error,true), "\n";
if(($error=@(substr("a0",1)))!="" || $t===null)$t=$error;
else $error=false;
echo $t, "\n";
$miss=3;
if(($error=@(strpos("abc","z")))!==false || $miss===null) $miss=$error;
echo $miss, " ", var_export($error,true), "\n";
$s="keep";
if(($error=@(substr("abc",5)))!="" || $s===null)$s=$error;
else $error=false;
echo $s, " ", var_export($error,true), "\n";

?>
