<?php
$a=1;
echo $a, "\n";

?>
