<?php
echo (3>=1&&3<=10), " ", (10>=1&&10<=10), " ", (10>=1&&10<10), " ", !(0>=1&&0<=3), " ", !(2>=1&&2<3), "\n";
echo in_array(2,array(1,2)), " ", in_array(5,array(1,2)), " ", !in_array(2,array(1,2)), " ", in_array("b",array("x"=>"b"),true), "\n";
echo (strpos("abc","b")!==false), " ", (strpos("a0","0")!==false), " ", !(strpos("abc","z")!==false), " ", (strpos("abc","")!==false), "\n";
echo (2>=1+1&&2<=2*2), " ", (3>=(1+1)&&3<3), "\n";
echo true&&in_array(2,array(2)), " ", in_array((1<2),array(true)), "\n";
echo in_array(2,array(1,2)), " ", in_array(2.5,array(1.5,2.5)), "\n";

?>
