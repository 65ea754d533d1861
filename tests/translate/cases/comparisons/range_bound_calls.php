<?php
// A negated range test keeps its "not" whatever calls its bounds hold.
$k=9;
$top=-4;
$word="abc";
echo !($k>=0&&$k<=abs($top)), "\n";
echo !($k>=min($k,1)&&$k<=20), " ", !($k>=max($top,2)&&$k<max($k,$top)), " ", !($k>=1&&$k<abs($top)), "\n";
echo !(3>=0&&3<=strlen($word)), " ", !(9>=1&&9<=max(abs($top),2))&&!(2>=0&&2<=1), "\n";
$far=!($k>=0&&$k<=abs($top)+min(1,2));
echo $far, " ", ($k>=0&&$k<=abs($top)), "\n";

?>
