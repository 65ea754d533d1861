<?php
echo "one
two
three", " ", $x, "\n";
echo 1==="x", "\n";

?>
