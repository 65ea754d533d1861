<?php
// Slice bounds, and the index of a text, are integers: PHP's array_slice and
// substr throw on a text, and so does a text offset.
$a=array(1,2);
$d=array("k"=>1);
$t="abc";
$k="k";
$i=1;
print_r(array_slice($a,0,"k"-(0)+count($a)*("k"<0)+1));echo "\n";
print_r(array_slice($d,"k",null,true));echo "\n";
echo $t["k"], "\n";
echo substr($t,$k), "\n";
echo var_export(array_slice($a,$i),true), " ", var_export($d["k"],true), " ", $t[$i], " ", var_export($a[$k],true), " ", substr($t,0,$i-(0)+strlen($t)*($i<0)+1), "\n";

?>
