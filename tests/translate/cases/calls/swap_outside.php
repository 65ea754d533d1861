<?php
// swap is a statement: as a value it is refused and leaves nothing open
$a=1;
$b=2;
$x=null;
echo null, " ", $a, "\n";
;
$_I1=$a;$a=$b;$b=$_I1;
echo $a+$b, "\n";

?>
