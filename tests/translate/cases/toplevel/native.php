<?php
$a = 1;

$b = 2;
$c = 3;
echo var_export($a+$b+$c,true), "\n";

echo 1==="x", "\n";

?>
