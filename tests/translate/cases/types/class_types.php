<?php

$name="";
$name=$title;
echo "ok", "\n";

?>
