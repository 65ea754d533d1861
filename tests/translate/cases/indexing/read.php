<?php
$a=array(10,20,30);
$d=array("one"=>1,"two"=>2);
$s="hello";
$ia=array(4,5,6);
$ta=array("x","yz");
$m=array(array(1,2),array(3,4));
$i=1;
echo var_export($a[0],true), " ", var_export($a[$i],true), " ", var_export($a[$i+1],true), " ", var_export($a[3-$i*2],true), "\n";
echo var_export($d["two"],true), " ", $s[0], " ", $s[$i], " ", $s[-1], " ", $s[$i+1], "\n";
echo $ia[2]+1, " ", $ta[1]."!", "\n";
echo var_export($m[1][0],true), " ", var_export($m[$i][$i],true), "\n";
echo $s[0][0], "\n";

?>
