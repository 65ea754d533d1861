<?php
echo intval("4")==="x", " ", strval(5)===1, " ", doubleval(1)==="x", " ", intval(1)==="x", " ", (1)==="x", "\n";
echo array(1,2) =="x", " ", array("a","b") ==1, " ", array() =="x", " ", array(1,2)==="x", "\n";
print_r(array(1,2));echo "\n";

?>
