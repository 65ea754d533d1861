<?php
// "=" and "!=" (and "<>") are one relation: exactly one of them holds
$a="1";
$b="01";
echo intval($a===$b), " ", intval($a!==$b), " ", intval($a!==$b), "\n";
$n=0;
echo intval($n===false), " ", intval($n!==false), " ", intval($n!==false), "\n";
$i=3;
echo intval($i===3), " ", intval($i!==3), " ", intval($i!==4), "\n";
$x=array(1,2);
$y=array(1,2);
echo intval($x ==$y), " ", intval($x!=$y), "\n";
// a real or boolean variable may hold an integer: compared by value
$q=2.0;
$r=0;
echo intval($q==2), " ", intval($q!=2), " ", intval(2==$q), " ", intval($r==0.0), " ", intval($r!=0.0), "\n";
echo intval($i==3.0), " ", intval($i!=3.0), "\n";
$f=0;
$t=true;
echo intval($f==false), " ", intval($f!=false), " ", intval($t==true), " ", intval($f!=$t), "\n";
// a composite if's test value with operators is one operand

if($f==($f||$t))
{
   echo "f = (f or t)", "\n";
}
else
{
   echo "f != (f or t)", "\n";
}


if($t!=($f||$t))
{
   echo "t != (f or t)", "\n";
}
else
{
   echo "t = (f or t)", "\n";
}


if($n===(1|2))
{
   echo "n = 3", "\n";
}
else
{
   echo "n != 3", "\n";
}


if($i===(1+2))
{
   echo "i = 3", "\n";
}

// a conversion to a boolean converts
$z=2;
$c=boolval($z);
echo $c, " ", intval(boolval(7)), " ", intval(boolval($z+1)), " ", intval(boolval($z-2)), "\n";

?>
