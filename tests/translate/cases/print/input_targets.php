<?php
$age=0;
$answers=array("");
echo "Age? ";
$fp=fopen("php://stdin","r");
$age=rtrim(fgets($fp,65536));
fclose($fp);
$fp=fopen("php://stdin","r");
$answers[0]=rtrim(fgets($fp,65536));
fclose($fp);
echo $age+1, "\n";

?>
