<?php
// A sign takes numbers, booleans and texts; "~" numbers and texts, and a
// real one is cut to an integer first.
$b=true;
$r=1.5;
$t="7";
$i=6;
echo -$b, " ", ~(int)($r), " ", -$r, " ", -$t, " ", ~-2, " ", -~2, " ", -null, " ", ~0, " ", ~$i, " ", ~~(int)($r), " ", ~(int)(($r+1.5)), "\n";

?>
