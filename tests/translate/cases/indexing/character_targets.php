<?php
// A character of a text, or of a char *, takes "=" only: PHP refuses a
// compound assignment to a string offset, and no character can be removed.
$t="abc";
$cs="xyz";
$ta=array("ab");
$t[0].="w";
$t[1]-="5";
$cs[0].="q";
$ta[0].="c";
$t[2]="Z";
$cs[1]="Y";
echo $t, " ", $cs, " ", var_export($ta,true), "\n";

?>
