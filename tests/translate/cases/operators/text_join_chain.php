<?php
// "+" joins texts, and a "-" after a join works on the joined text: the
// chain goes from the left, whatever rank PHP gives ".".
$s="5";
$t="0";
$u="1";
echo ($s.$t)-$u, " ", ($s.$t.$u)-$u, " ", $s-$u.$t, " ", ("".$t)-$u, " ", ($s.$t)-$u-$u, "\n";
echo ($s.$t)-($u.$t)-$u, "\n";
// as an operand of a shift too
$v=1;
echo ($s.$t)>>$v, " ", $v<<($u.$u), " ", ($s-$u.$t)>>$v, "\n";

?>
