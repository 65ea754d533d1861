<?php
// texts and arrays slice alike: a negative variable bound counts from the end
$s="abcde";
$a=array("a","b","c","d","e");
$j=-1;
echo substr($s,0,$j-(0)+strlen($s)*($j<0)+1), " ", implode("",array_slice($a,0,$j-(0)+count($a)*($j<0)+1)), " ", substr($s,0,$j-(0)+strlen($s)*($j<0)+1), "\n";
$j=-3;
echo substr($s,0,$j-(0)+strlen($s)*($j<0)+1), " ", implode("",array_slice($a,0,$j-(0)+count($a)*($j<0)+1)), "\n";
$r=$s;
$r="X".substr($r,$j+1+strlen($r)*($j<0));
echo $r, "\n";
$j=-1;
$r=$s;
$r=substr($r,0,1)."X".substr($r,$j+1+strlen($r)*($j<0));
echo $r, "\n";
// "-- -2" leaves out the element at -2, as a variable bound of -2 does
$j=-2;
echo implode("",array_slice($a,0,-2)), " ", implode("",array_slice($a,0,$j-(0)+count($a)*($j<0))), " ", implode("",array_slice($a,1,-2-(1)+count($a))), " ", implode("",array_slice($a,1,$j-(1)+count($a)*($j<0))), "\n";
// "--" without an upper bound keeps the last element, when assigned too
$r=$s;
echo substr($r,2,-1), "\n";
$r=substr($r,0,2)."X".substr(substr($r,2),-1);
echo $r, "\n";
$r=$s;
$r=substr($r,-1);
echo $r, "\n";
// a dict slice keeps its keys, read, assigned and removed
$d=array("10"=>"a","20"=>"b","30"=>"c","40"=>"d");
$part=array_slice($d,1,2,true);
echo implode(",",array_keys($part)), " ", var_export($part["20"],true), "\n";
$d=array_replace(array_slice($d,0,1,true),array("99"=>"X"),array_slice($d,2+1,null,true));
echo implode(",",array_keys($d)), "\n";
$d=array_diff_key($d,array_slice($d,0,2,true));
echo implode(",",array_keys($d)), " ", var_export($d["40"],true), "\n";

?>
