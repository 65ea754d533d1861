<?php

echo strtoupper("ab"), " ", strlen("abc"), " ", PHP_INT_SIZE, "\n";
$a=new ArrayObject();
echo $a->count(), "\n";

?>
