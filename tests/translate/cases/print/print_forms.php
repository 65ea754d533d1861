<?php
echo "\n";
echo "\n";

echo 1, " ", "two", " ", 3.5, "\n";
print_r(array(1,2));echo "\n";
echo var_export(array(1),true), " ", 2, "\n";
echo var_export(array("k"=>"v"),true), " ", var_export(array(1,2),true), "\n";
$v = 7;
echo var_export($v,true), "\n";
echo null, " ", 1, "\n";
echo 1,"a",2;
echo "!";
echo "?", "\n";

?>
