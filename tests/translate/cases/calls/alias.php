<?php
// an alias argument is passed as the variable: the reference is the parameter's
$q=array(2,3,1);
sort($q);
echo implode(",",$q), "\n";
sort($q);
echo count($q), " ", count($q), "\n";

?>
