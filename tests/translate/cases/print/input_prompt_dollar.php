<?php
// The prompt is a text like any other: a "$" PHP would misread stands for itself.
$s="";
echo "Price in \${ ";
$fp=STDIN;
$s=rtrim(fgets($fp,65536));
echo $s, "\n";

?>
