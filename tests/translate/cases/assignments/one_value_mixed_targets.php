<?php
// One scalar for targets of array and scalar types: each target takes it
// wrapped as an array or as it is, by its own type.
$ia=array(7);
$i=2;
$ta=array();
$t="";
$_I1=array(1);
$ia=$_I1;
$i=$_I1[0];
echo var_export($ia,true), " ", $i, "\n";
$_I1=3;
$i=$_I1;
$ia=array($_I1);
echo var_export($ia,true), " ", $i, "\n";
$_I1="s";
$t=$_I1;
$ta=array($_I1);
$_I1=array("u");
$ta=$_I1;
$t=$_I1[0];
echo var_export($ta,true), " ", $t, "\n";
$ib=array();
$_I1=array(5);
$ia=$_I1;
$ib=$_I1;
echo var_export($ia,true), " ", var_export($ib,true), "\n";
// A compound operator with one value: each target as with a value of its own
$_I1=array(1);
$ia=array_merge($ia,$_I1);
$i+=$_I1[0];
echo var_export($ia,true), " ", $i, "\n";
$_I1=7;
$i-=$_I1;
$ia=array_values(array_diff($ia,array($_I1)));
echo var_export($ia,true), " ", $i, "\n";

?>
