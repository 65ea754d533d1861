<?php
// methods that do not exist, wrong arguments, and receivers that must be variables
$s="ab";
$a=array(1,2);
$b=true;
echo $s(), " ", $b(), " ", strlen($s,1), " ", str_repeat($s,"x"), "\n";
substr_replace("abc","x",1,0);
str_repeat("x",2);
str_repeat(0,2);
array_push(array_reverse($a),1);
echo var_export(array_pop(array_reverse($a)),true), " ", sort(array_reverse($a)), "\n";
file_put_contents("ok.txt",implode("\n",array_reverse($a)));
file_put_contents("ok.txt",trim($s));

?>
