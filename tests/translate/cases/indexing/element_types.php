<?php
$s="abc";
$ia=array(1);
$a=array(1);
echo $s[0]. 1, "\n";
echo $ia[0]+"x", "\n";
echo $a[0]."x", "\n";

?>
