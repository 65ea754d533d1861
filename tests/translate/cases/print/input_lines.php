<?php
$a="";
$b="";
$fp=STDIN;
$a=rtrim(fgets($fp,65536));
echo "Second? ";
$fp=STDIN;
$b=rtrim(fgets($fp,65536));
echo $a."|".$b, "\n";

?>
