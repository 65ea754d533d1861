<?php
$i=0;
$j=7;
$n=0;
$r=2.5;
$nat=3;
$by=0;
$b=0;
$bb=true;
$t="";
$u="hi";
$v=0;
$w="any";
$o=0;
$f=0;
$d=0;
$fn=0;
$cs=0;
$ch=0;
$a=array();
$a2=array(1,2);
$dc=array();
$dc2=array("k"=>1);
$ia=array();
$ta=array("x","y");
$na=array();
$ra=array();
$nu=array();
$fa=array();
$iaa=array();
echo $i, " ", $j, " ", $n, " ", $r, " ", $nat, " ", $by, " ", $b, " ", $bb, " ", $t, " ", $u, " ", var_export($v,true), " ", var_export($w,true), "\n";
echo var_export($a,true), " ", var_export($a2,true), " ", var_export($dc,true), " ", var_export($dc2,true), " ", var_export($ia,true), " ", var_export($ta,true), " ", var_export($iaa,true), "\n";

?>
