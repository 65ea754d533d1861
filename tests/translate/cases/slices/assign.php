<?php
$a=array(1,2,3,4,5);
$i=1;
array_splice($a,1,2,array(20,30));
print_r($a);echo "\n";
array_splice($a,$i,-1-($i)+count($a)*((-1<0)-($i<0))+1,array(0));
print_r($a);echo "\n";
array_splice($a,0,2);
print_r($a);echo "\n";
array_splice($a,0,1,array(7,8));
print_r($a);echo "\n";
$b=array(1,2,3,4);
array_splice($b,1,2,array(9));
print_r($b);echo "\n";
$d=array("a"=>1,"b"=>2,"c"=>3);
$d=array_replace(array_slice($d,0,1,true),array("z"=>26));
print_r($d);echo "\n";
$d=array_diff_key($d,array_slice($d,0,1,true));
print_r($d);echo "\n";
$s="hello world";
$s="HELLO".substr($s,5);
echo $s, "\n";
$s=substr($s,0,6)."there";
echo $s, "\n";
$s=false.substr($s,5);
echo $s, "\n";
$s=substr($s,0,$i)."-".substr($s,$i+1+strlen($s)*($i<0));
echo $s, "\n";

?>
