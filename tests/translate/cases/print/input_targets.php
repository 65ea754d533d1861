<?php
$age=0;
$answers=array("");
echo "Age? ";
$fp=STDIN;
$age=intVal(rtrim(fgets($fp,65536)));
$fp=STDIN;
$answers[0]=rtrim(fgets($fp,65536));
echo $age+1, "\n";

?>
