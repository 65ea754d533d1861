<?php
$a=array(10,20,30,40,50);
$ia=array(1,2,3,4);
$d=array("a"=>1,"b"=>2,"c"=>3);
$s="abcdefgh";
$i=1;
$j=3;
echo var_export(array_slice($a,1,3),true), " ", var_export(array_slice($a,1,2),true), " ", var_export(array_slice($a,0,3),true), " ", var_export(array_slice($a,2),true), " ", var_export(array_slice($a,0),true), "\n";
echo var_export(array_slice($a,$i,$j-($i)+count($a)*(($j<0)-($i<0))+1),true), " ", var_export(array_slice($a,$i,$j-($i)+count($a)*(($j<0)-($i<0))),true), " ", var_export(array_slice($a,$i),true), " ", var_export(array_slice($a,0,$j-(0)+count($a)*($j<0)+1),true), "\n";
echo var_export(array_slice($a,1,-2-(1)+count($a)+1),true), " ", var_export(array_slice($a,-3),true), " ", var_export(array_slice($a,-2),true), " ", var_export(array_slice($a,$i),true), " ", var_export(array_slice($a,-4,$j-(-4)+count($a)*(($j<0)-1)+1),true), "\n";
echo var_export(array_slice($ia,1,2),true), " ", var_export(array_slice($d,1,2,true),true), " ", var_export(array_slice($d,0,2,true),true), "\n";
echo substr($s,1,3), " ", substr($s,1,2), " ", substr($s,0,3), " ", substr($s,2), " ", substr($s,0), "\n";
echo substr($s,$i,$j-($i)+strlen($s)*(($j<0)-($i<0))+1), " ", substr($s,$i,$j-($i)+strlen($s)*(($j<0)-($i<0))), " ", substr($s,$i), " ", substr($s,0,$j-(0)+strlen($s)*($j<0)+1), "\n";
echo substr($s,1,-2-(1)+strlen($s)*(-2<0)+1), " ", substr($s,-3), " ", substr($s,-2), " ", substr($s,$i), " ", substr($s,-4,$j-(-4)+strlen($s)*(($j<0)-1)+1), "\n";

?>
