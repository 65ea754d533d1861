<?php
$a=array(10,20);
$b=array(1);
echo $a[$b], "\n";
print_r(array_slice($a,$b,1-($b)+count($a)*((1<0)-($b<0))+1));echo "\n";

?>
