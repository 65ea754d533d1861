<?php
echo intval("42")+1, " ", strval(5)."!", " ", doubleval("2.5")*2, " ", doubleval("3"), " ", intval("7"), "\n";
echo intval(strval(12)), " ", var_export((5),true), " ", boolval(1), " ", strval(65), "\n";
echo var_export(array(1,2,3),true), " ", var_export(array(1,2),true), " ", var_export(array("a","b"),true), "\n";
echo var_export(array(),true), " ", var_export(array(),true), " ", var_export(array(),true), "\n";

?>
