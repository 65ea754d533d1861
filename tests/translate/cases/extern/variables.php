<?php

$counter = 41; $label = "set";$counter+=1;
echo $counter, " ", $label, " ", M_PI>3, " ", PHP_INT_SIZE, "\n";
echo $argc, " ", $argv[0]!=="", "\n";

?>
