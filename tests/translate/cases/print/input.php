<?php
$fp=STDIN;
$name=rtrim(fgets($fp,65536));
echo "Name? ";
$fp=STDIN;
$name=rtrim(fgets($fp,65536));
echo 'Age: ';
$fp=STDIN;
$age=rtrim(fgets($fp,65536));
echo var_export($name,true), " ", var_export($age,true), "\n";

?>
