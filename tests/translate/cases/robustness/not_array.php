<?php
$a=array(1);
$b=array(!$a);
$c=!$a;
echo $c, "\n";

?>
