<?php
$a=array(1);
print_r($a);echo "\n";

?>
