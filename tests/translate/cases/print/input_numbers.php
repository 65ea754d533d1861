<?php
// A number target takes its line as a number, even a line that is no number
// or the end of the input.
$n=0;
$r=0;
$fp=STDIN;
$n=intVal(rtrim(fgets($fp,65536)));
$fp=STDIN;
$r=floatval(rtrim(fgets($fp,65536)));
echo $n+1, " ", $r*2, "\n";
$fp=STDIN;
$n=intVal(rtrim(fgets($fp,65536)));
echo $n+1, "\n";

?>
