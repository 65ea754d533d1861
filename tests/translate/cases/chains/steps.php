<?php
// each step of a chain is the next one's receiver and reads its own arguments
$csv="c,a,b";
echo implode(";",explode(",",$csv)), " ", implode("",explode(",",strtoupper($csv))), "\n";
$a=explode(",",$csv);
echo implode(",",array_reverse($a)), " ", implode("+",array_slice($a,1,2)), " ", implode("",array_reverse(array_slice($a,0,2))), "\n";
file_put_contents("two.txt",implode("\n",array_slice($a,0,2)));
$back=file("two.txt");
echo count($back), " ", strtoupper(str_repeat($csv=str_replace(",","",$csv),2)), "\n";
$d=array("k"=>"v");
echo implode("",array_keys($d)), " ", implode("",array_reverse(array_values($d))), "\n";
echo strlen(trim($csv))+strlen(strtoupper($csv)), "\n";

?>
