<?php
// Forms that name an operand twice keep a long operand in a temporary: the
// chains give the same values as with their operands repeated.
$a=array(1,2,3,4,5,6,7,8,9);
$s="abcdefghijklmnop";
$i=1;
$j=7;
print_r(array_slice(($_E3=array_slice(($_E2=array_slice(($_E1=array_slice(array_slice(array_slice($a,$i,$j-($i)+count($a)*(($j<0)-($i<0))+1),$i,$j-($i)+count(array_slice($a,$i,$j-($i)+count($a)*(($j<0)-($i<0))+1))*(($j<0)-($i<0))+1),$i,$j-($i)+count(array_slice(array_slice($a,$i,$j-($i)+count($a)*(($j<0)-($i<0))+1),$i,$j-($i)+count(array_slice($a,$i,$j-($i)+count($a)*(($j<0)-($i<0))+1))*(($j<0)-($i<0))+1))*(($j<0)-($i<0))+1)),$i,$j-($i)+count($_E1)*(($j<0)-($i<0))+1)),$i,$j-($i)+count($_E2)*(($j<0)-($i<0))+1)),$i,$j-($i)+count($_E3)*(($j<0)-($i<0))+1));echo "\n";
echo substr(($_E6=substr(($_E5=substr(($_E4=substr(substr(substr($s,$i,-2-($i)+strlen($s)*((-2<0)-($i<0))+1),$i,-2-($i)+strlen(substr($s,$i,-2-($i)+strlen($s)*((-2<0)-($i<0))+1))*((-2<0)-($i<0))+1),$i,-2-($i)+strlen(substr(substr($s,$i,-2-($i)+strlen($s)*((-2<0)-($i<0))+1),$i,-2-($i)+strlen(substr($s,$i,-2-($i)+strlen($s)*((-2<0)-($i<0))+1))*((-2<0)-($i<0))+1))*((-2<0)-($i<0))+1)),$i,-2-($i)+strlen($_E4)*((-2<0)-($i<0))+1)),$i,-2-($i)+strlen($_E5)*((-2<0)-($i<0))+1)),$i,-2-($i)+strlen($_E6)*((-2<0)-($i<0))+1), "\n";
print_r(array_values(array_unique(array_merge(array_diff(($_E9=array_unique(array_merge(array_diff(($_E8=array_unique(array_merge(array_diff(($_E7=array_unique(array_merge(array_diff(array_unique(array_merge(array_diff(array_unique(array_merge(array_diff($a,array(1)),array_diff(array(1),$a))),array(2)),array_diff(array(2),array_unique(array_merge(array_diff($a,array(1)),array_diff(array(1),$a)))))),array(3)),array_diff(array(3),array_unique(array_merge(array_diff(array_unique(array_merge(array_diff($a,array(1)),array_diff(array(1),$a))),array(2)),array_diff(array(2),array_unique(array_merge(array_diff($a,array(1)),array_diff(array(1),$a)))))))))),array(4)),array_diff(array(4),$_E7)))),array(5)),array_diff(array(5),$_E8)))),array(6)),array_diff(array(6),$_E9)))));echo "\n";
echo ((($_E11=((($_E10=(((((((((($i>=0&&$i<=2))>=0&&(($i>=0&&$i<=2))<=2))>=0&&(((($i>=0&&$i<=2))>=0&&(($i>=0&&$i<=2))<=2))<=2))>=0&&(((((($i>=0&&$i<=2))>=0&&(($i>=0&&$i<=2))<=2))>=0&&(((($i>=0&&$i<=2))>=0&&(($i>=0&&$i<=2))<=2))<=2))<=2))>=0&&(((((((($i>=0&&$i<=2))>=0&&(($i>=0&&$i<=2))<=2))>=0&&(((($i>=0&&$i<=2))>=0&&(($i>=0&&$i<=2))<=2))<=2))>=0&&(((((($i>=0&&$i<=2))>=0&&(($i>=0&&$i<=2))<=2))>=0&&(((($i>=0&&$i<=2))>=0&&(($i>=0&&$i<=2))<=2))<=2))<=2))<=2)))>=0&&$_E10<=2)))>=0&&$_E11<=2)), "\n";

?>
