<?php
$a=array(10,20,30);
$d=array("one"=>1,"two"=>2);
$s="hello";
$ia=array(4,5,6);
$m=array(array(1,2),array(3,4));
$i=1;
$a[0]=11;
$a[$i+1]=33;
$d["three"]=3;
$s[0]="j";
$ia[$i]=intVal(2.5);
$m[1][0]=0;
$a[$i]+=1;
$s[4]="y";
echo var_export($a,true), " ", var_export($d,true), " ", $s, " ", var_export($ia,true), " ", var_export($m,true), "\n";
array_splice($a,0,1);
unset($d["one"]);
echo var_export($a,true), " ", var_export($d,true), "\n";
// a key names the element to remove: array_splice takes positions only
$key="k";
$a["k"]=4;
unset($a[$key]);
print_r($a);echo "\n";

?>
