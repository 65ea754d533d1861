<?php
$wrapped=array(5);
$fromDict=array("a"=>1);
$fromText=intVal("x");
$fromInt=3;
$flag=1.5;
echo var_export($wrapped,true), " ", var_export($fromDict,true), " ", $fromText, " ", $fromInt, " ", $flag, "\n";

?>
