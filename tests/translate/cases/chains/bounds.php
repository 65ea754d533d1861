<?php
// calls in indexes and slice bounds
$a=array(5,6,7);
$s="hello";
echo var_export($a[count($a)-1],true), " ", var_export($a[(int)(abs(-1))],true), " ", var_export($a[strlen("xy")],true), " ", substr($s,0,strlen($s)-2-(0)+strlen($s)*(strlen($s)-2<0)+1), " ", $s[strpos($s,"l")], "\n";

?>
