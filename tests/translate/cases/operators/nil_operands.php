<?php
echo var_export(array_merge(array(1),array()),true), " ", var_export(array()+array(1),true), " ", var_export(array_values(array_diff(array(1,2),array())),true), "\n";
echo 1+false, " ", false-1, " ", 2*false, " ", false<<1, " ", "a"."", " ", false||true, " ", true&&false, "\n";
echo -null, " ", ~0, " ", !null, " ", (null), " ", var_export(array(null),true), " ", var_export(array(1=>null),true), " ", intval(null), " ", strval(null), "\n";
echo in_array(null,array(1,null)), " ", (null>=1&&null<=3), " ", null, "\n";

?>
