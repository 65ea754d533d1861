<?php
// the predefined methods of dicts, then the array ones they share
$d=array("b"=>2,"a"=>1);
echo array_key_exists("a",$d), " ", array_key_exists("z",$d), " ", strval(array_search(2,$d)), " ", implode(",",array_keys($d)), " ", implode(",",array_values($d)), "\n";
$d=array("z"=>0)+$d;
echo implode(",",array_keys($d)), " ", count($d), " ", implode(",",$d), "\n";
ksort($d);
echo implode(",",array_keys($d)), "\n";
asort($d);
echo implode(",",array_values($d)), "\n";
$x=array("p"=>array("data"=>"t","id"=>"1"));
echo (function($d){$x=function($d)use(&$x){$a="";$c="";foreach($d as $k=>$v){if(is_array($v)){$r=$x($v);$c.="<$k".$r[0].">".$r[1]."</$k>";}elseif($k==="data"){$c.=htmlspecialchars($v);}else{$a.=" $k=\"".htmlspecialchars($v)."\"";}}return array($a,$c);};$r=$x($d);return $r[1];})($x), "\n";

?>
