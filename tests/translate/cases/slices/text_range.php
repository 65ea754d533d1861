<?php
$s="abcdef";
echo substr($s,1,2), " ", substr($s,1,-1-(1)+strlen($s)*(-1<0)), "\n";
$s=substr($s,0,1)."x".substr($s,-2);
echo $s, "\n";

?>
