<?php
$fp=fopen("php://stdin","r");
$name=rtrim(fgets($fp,65536));
fclose($fp);
echo "Name? ";
$fp=fopen("php://stdin","r");
$name=rtrim(fgets($fp,65536));
fclose($fp);
echo 'Age: ';
$fp=fopen("php://stdin","r");
$age=rtrim(fgets($fp,65536));
fclose($fp);
echo var_export($name,true), " ", var_export($age,true), "\n";

?>
