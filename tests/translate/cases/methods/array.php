<?php
// the predefined methods of arrays, in every call form
$a=array(3,1,2);
echo count($a), " ", count($a), " ", array_sum($a), " ", var_export(($a?max($a):false),true), " ", var_export(($a?min($a):false),true), " ", empty($a), "\n";
echo array_search(1,$a), " ", in_array(2,$a), " ", implode(",",$a), " ", implode($a), " ", implode("-",$a), "\n";
array_push($a,5);
array_unshift($a,0);
echo implode(",",$a), " ", var_export(array_pop($a),true), " ", var_export(array_shift($a),true), " ", implode(",",$a), "\n";
sort($a);
echo implode(",",$a), "\n";
rsort($a);
echo implode(",",$a), " ", implode(",",array_reverse($a)), " ", count(array_values(array_unique($a))), "\n";
array_splice($a,1,0,9);
echo implode(",",$a), " ", implode(",",array_slice($a,1,2)), " ", implode(",",array_values($a)), "\n";
echo var_export(reset($a),true), " ", var_export(next($a),true), " ", var_export(current($a),true), " ", key($a), " ", strval(key($a)), " ", var_export(end($a),true), " ", var_export(prev($a),true), "\n";
$b=array_merge($a,array(7,8));
echo implode(",",$b), "\n";
array_splice($a,0,2);
array_splice($a,0,0);
echo implode(",",$a), "\n";
file_put_contents("nums.txt",implode("\n",$a));
$back=array();
$back=file("nums.txt");
echo count($back), "\n";
file_put_contents("flat.txt",implode($a));
$back=file("flat.txt");
echo implode("",$back), "\n";
$m=array("a","b");
echo implode("",array_map("strtoupper",$m)), "\n";

?>
