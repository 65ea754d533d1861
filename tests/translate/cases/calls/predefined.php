<?php
// predefined functions: plain calls, integer parameters, the special forms
$a=1;
$b=2;
$r=65.5;
echo abs(-3), " ", chr(intVal($r)), " ", chr(66), " ", ord("A"), " ", str_pad("x",3,"-"), "\n";
echo var_export(max(3,7),true), " ", var_export(min(3,7),true), " ", round(2.6), " ", strval(5), " ", fmod(7,4), "\n";
echo (($a-4)?($a-4)/abs($a-4):0), " ", ((0)?(0)/abs(0):0), " ", (($b)?($b)/abs($b):0), " ", "item".($a>1?"s":""), " ", "item".(($a+$b)>1?"s":""), "\n";
$_I1=$a;$a=$b;$b=$_I1;
echo $a, " ", $b, "\n";
$t=localtime(time(),1);
echo $t["tm_year"]>100, " ", count(range(1,3)), "\n";
echo abs(-2), " ", abs(-1), "\n";

?>
