<?php
// A range or a slice in a call's arguments inside a bound leaves the
// outer bounds as they were read.
function first($x)
{
   return intVal($x[0]);
}
function three($b)
{
   return 3;
}
$a=array(10,20,30,40,50,60);
$b=array(1,2,3,4);
$s="abcdef";
print_r(array_slice($a,1,first(array_slice($b,2,2))-(1)+count($a)*(first(array_slice($b,2,2))<0)+1));echo "\n";
print_r(array_slice($a,0,first(array_slice($b,0,1))-(0)+count($a)*(first(array_slice($b,0,1))<0)+1));echo "\n";
echo substr($s,1,first(array_slice($b,2,2))-(1)+strlen($s)*(first(array_slice($b,2,2))<0)+1), "\n";
$i=0;
for($i=1;$i<=three((5>=7&&5<9));$i++)
{
   echo $i, "\n";
}

$t=(3>=1&&3<=three((2>=0&&2<1)));
echo $t, "\n";

?>
