<?php

$One=2;
echo 1, "\n";

?>
