<?php
// Bits and remainders are an integer's: a real target or value of a compound
// "mod", "<<", ">>", "|", "&" or "^" is cut to an integer first.
$r=7.5;
$n=2;
$i=9;
$m=4;
$r=(int)($r)^(int)($n);
$m=$m%(int)($r);
$i=$i<<(int)($r);
$r=(int)($r)|(1);
echo $r, " ", $m, " ", $i, "\n";
// the value stays whole
$r=7.5;
$r=(int)($r)|(1+2);
echo $r, "\n";

?>
