<?php
// An array converted to a text, char *, dir, boolean or byte is refused:
// strval and dir take no array, and the others would leave it an array.
$ia=array(1);
$d=array("a"=>1);
echo strval($ia), " ", boolval($d), " ", ($ia), "\n";
echo intval($ia), " ", var_export($ia,true), " ", var_export(($d),true), " ", strval(5), "\n";
// a list of a type with no typed array is an array
$b=array(true,false);

?>
