<?php
// A text holds texts: strpos throws on an array to look for, and deprecates null.
$t="abc";
$a=array(1);
echo (strpos($t,array(1))!==false), "\n";
echo !(strpos("x",$a)!==false), "\n";
echo (strpos($t,"b")!==false), " ", (strpos($t,1)!==false), " ", !(strpos($t,"z")!==false), "\n";
echo (strpos($t,null)!==false), " ", !(strpos($t,null)!==false), "\n";

?>
