<?php
// membership in texts compares texts: "1" is not "1.0"; numbers by value
$ta=array("1.0","2");
$k="1";
echo intval(in_array($k,$ta,true)), " ", intval(in_array("2",$ta,true)), " ", intval(!in_array($k,$ta,true)), "\n";
$ra=array(1.0,2.5);
$one=1;
echo intval(in_array($one,$ra)), "\n";
// inserting an array or an object inserts one element
$a=array(1,2);
$b=array(8,9);
array_splice($a,1,0,array($b));
echo count($a), " ", var_export($a[1][0],true), " ", var_export($a[2],true), "\n";
// lists stay lists: their first element is at 0
$x=array(1,2,3,2);
$y=array(2,5);
$both=array_values(array_intersect($x,$y));
echo $both[0], "\n";
$p=array(1,2,3);
$q=array(3,1,4);
$either=array_values(array_unique(array_merge($p,$q)));
$other=array_values(array_unique(array_merge(array_diff($p,$q),array_diff($q,$p))));
echo var_export($either[3],true), " ", var_export($other[0],true), " ", var_export($other[1],true), "\n";
$left=$x;
$left=array_values(array_diff($left,$y));
echo $left[0], " ", $left[1], "\n";
$x=array_values(array_intersect($x,$y));
echo $x[0], "\n";
$once=array(5,5,6);
$single=array_values(array_unique($once));
echo $single[1], "\n";
// dicts keep their keys, numeric texts included
$d=array("10"=>"a","20"=>"b");
$e=array("30"=>"c","10"=>"z");
$de=array_replace($d,$e);
echo var_export($de["10"],true), " ", var_export($de["30"],true), "\n";
$d=array_replace($d,$e);
echo var_export($d["30"],true), " ", count($d), "\n";
$found=strval(array_search("b",$d));
echo intval($found==="20"), "\n";
// no stop where PHP 8 throws: an offset past the text finds nothing, and an
// empty array has no greatest, least or random element
$h="abc";
echo intval((abs(9)>strlen($h)?false:strpos($h,"a",9))===false), " ", intval((abs(-9)>strlen($h)?false:strrpos($h,"c",-9))===false), " ", (abs(1)>strlen($h)?false:strpos($h,"c",1)), "\n";
$none=array();
$m=($none?max($none):false);
$n=($none?min($none):false);
$r=($none?array_rand($none):false);
echo intval($m===false), " ", intval($n===false), " ", intval($r===false), " ", var_export(($p?max($p):false),true), " ", var_export(($p?min($p):false),true), "\n";

?>
