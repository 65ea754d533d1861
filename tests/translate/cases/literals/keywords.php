<?php
echo true, " ", false, " ", null, " ", 0, " ", null, "\n";
echo PHP_INT_SIZE>0, " ", PHP_EOL, "\n";

?>
