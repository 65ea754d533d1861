<?php
$a=array(3,4);
$d=array("x"=>1,"y"=>2);
$s="abc";
$v=0;
$k=0;
foreach($a as $v)
{   echo var_export($v,true)," ";
}
echo "\n";
foreach($d as $k => $v)
{   echo var_export($k,true),"=",var_export($v,true)," ";
}
echo "\n";
$_L1=strlen($s);
for($__1 = 0; $__1 < $_L1; $__1++)
{
   $c=$s[$__1];
   echo $c,".";
}

echo "\n";
$_L1=strlen($s);
for($__1 = 0; $__1 < $_L1; $__1++)
{
   $p=$__1;
   $c=$s[$__1];
   echo $p,$c," ";
   $_I3="xy";
   $_L2=strlen($_I3);
   for($__2 = 0; $__2 < $_L2; $__2++)
   {
      $c2=$_I3[$__2];
      echo $c2;
   }
   echo "\n";
}

$_L1=strlen($s);
for($__1 = 0; $__1 < $_L1; $__1++)
{
   $c=$s[$__1];
   $_L2=strlen($s);
   for($__2 = 0; $__2 < $_L2; $__2++)
   {
      $c3=$s[$__2];
      echo $c3;
   }
}

echo "\n";
$_L1=strlen($s);
for($__1 = 0; $__1 < $_L1; $__1++)
{
   $c=$s[$__1];
   echo $c;
}
echo "\n";

?>
