<?php
echo var_export(array("a"=>1,"b"=>array(2,3)),true), " ", var_export(array(1=>"x",2=>"y"),true), "\n";
echo var_export(array(),true), " ", var_export(array(),true), " ", var_export(array(),true), " ", var_export(array(1=>array(2=>"z")),true), "\n";
echo var_export(array("k"=>1,"l"=>2),true), " ", var_export(array(3=>4),true), "\n";

?>
