<?php
$half=0.5;
$n=intVal(2.5);
$m=intVal($half*4);
$k=false;
$t="";
$a=array();
$r=array();
$one=array(5);
$two=array(1,2);
$any=array(1);
$sum=$n+$m;
$next=$sum+1;
$whole=intVal(2.5);
$more=0;
$more=intVal(1.5);
echo $n, " ", $m, " ", $k, " ", $t, " ", var_export($a,true), " ", var_export($r,true), " ", var_export($one,true), " ", var_export($two,true), " ", var_export($any,true), " ", $sum, " ", $next, " ", $whole, " ", $more, "\n";

?>
