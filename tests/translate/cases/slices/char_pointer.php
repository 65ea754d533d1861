<?php
// A char * is sliced like a text, read and assigned.
$cs="hello";
$ch="abc";
$i=1;
echo substr($cs,1,2), " ", substr($cs,0,2), " ", substr($cs,2), " ", substr($cs,-2), " ", substr($cs,1,2), " ", substr($cs,$i), " ", substr($ch,0,$i-(0)+strlen($ch)*($i<0)+1), "\n";
$cs="HE".substr($cs,2);
echo $cs, "\n";
$ch=substr($ch,0,1).false;
echo $ch, "\n";

?>
