<?php
// the predefined methods of texts, in every call form
$s="hello world";
echo strlen($s), " ", strtoupper($s), " ", strtolower($s), " ", ucfirst($s), " ", strcasecmp($s,"HELLO WORLD"), "\n";
echo strpos($s,"o"), " ", strrpos($s,"o"), " ", stripos($s,"W"), " ", strcmp($s,"hello world"), "\n";
echo substr($s,0,5), " ", substr($s,6), " ", str_repeat($s,2), " ", is_numeric($s), " ", is_numeric("12"), "\n";
$p="  pad  ";
echo "[".trim($p)."][".ltrim($p)."][".rtrim($p)."]", "\n";
$w=explode(" ",$s);
echo implode("|",$w), " ", $s, " ", $s, "\n";
echo intval($s), " ", intval("12")+1, " ", doubleval("2.5")*2, " ", doubleval("3"), "\n";
$t="abc";
$t=substr_replace($t,"X",1,0);
echo $t, "\n";
$t=(function($b,$a){return $a.$b;})("def",$t);
echo $t, "\n";
$t=str_replace("def","-",$t);
echo $t, "\n";
$t=str_repeat("ab",3);
echo $t, "\n";
$t=str_repeat(0,3);
echo $t, "\n";
file_put_contents("out.txt",$s);
$back=file("out.txt");
echo implode("",$back), "\n";

?>
