<?php
echo var_export(array(1,2),true), " ", var_export(array(3,4),true), " ", var_export(array(array(1),array("a","b")),true), "\n";
echo var_export(array(),true), " ", var_export(array(),true), " ", var_export(array(),true), " ", var_export(array(-1,- -2,!true,~1),true), "\n";
echo var_export(array(1,2),true), " ", var_export(array(1,array(2,3)),true), "\n";
echo var_export(array(1,2),true), " ", var_export(array(3),true), "\n";

?>
