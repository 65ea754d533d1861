<?php
// A bad header of a one-line loop skips its line only; of a block loop,
// its block too.
$i=0;
for($i=1;$i<=2;$i++)
{
   
   echo "in", "\n";
   
}

echo "out", "\n";

?>
