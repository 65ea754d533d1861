<?php
// a literal or an expression cannot stand for an alias
$q=array(2,1);
sort(array(3,4));
sort(array_reverse($q));
echo abs(3), "\n";
sort($q);

?>
