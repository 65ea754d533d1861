<?php
// A char * holds a text: "+" joins it, as a value and as a compound target.
$cs="ab";
$ch="c";
$t="t";
echo $cs.$ch, " ", $cs.$t, " ", $ch."!", " ", $t.$cs, "\n";
$cs.="x";
$ch.=$cs;
echo $cs, " ", $ch, "\n";

?>
