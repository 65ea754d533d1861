<?php
// One nil for several targets: each target takes it as in a pair of its
// own (no temporary holds an empty text).
$d=array("a"=>1,"b"=>2,"c"=>3);
$a=array(10,20,30,40);
unset($d["a"]);
unset($d["c"]);
array_splice($a,0,1);
array_splice($a,1,1);
echo var_export($d,true), " ", var_export($a,true), "\n";

?>
