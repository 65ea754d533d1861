<?php

$d=new Java("util.Date");
$e=new Java("util.Date");
$u=new Unknown();

?>
