<?php
// Only arrays, dicts and texts take an index: PHP throws when an index of
// a number or a boolean is assigned, and a chained index looks at the element.
$a=5;
$b=0;
$ia=array(1);
array_splice($a,0,1);
$a[1]=3;
$b[0]+=1;
echo var_export($a[0],true), " ", var_export($ia[0][0],true), " ", array_slice($ia[0],1,2), "\n";

?>
