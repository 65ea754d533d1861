<?php
// "mod", "<<", ">>", "|", "&" and "^" work on integers: a real operand is cut
// to one in so many words (PHP 8 deprecates cutting a fraction silently).
$r=2.5;
$i=7;
$n=$i/2;
echo $i%(int)(2.5), " ", (int)($r)%2, " ", (int)((int)($r)%2)%3, " ", (int)($n)%2, "\n";
echo $i<<(int)($r), " ", (int)($r)>>1, "\n";
echo (int)($r)|1, " ", $i&(int)($r), " ", (int)($n)^1, "\n";
echo $i%2, " ", $i|2, " ", 6>>1, "\n";

?>
