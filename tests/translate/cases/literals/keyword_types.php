<?php
echo 0==="x", " ", null==="x", " ", true==="x", " ", PHP_INT_SIZE==="x", "\n";

?>
