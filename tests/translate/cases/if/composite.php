<?php
$x=5;
$t="b";

if($x===1)
{
   echo "one", "\n";
}
else
{
   if($x<5)
   {
      echo "small", "\n";
   }
else
{
   if(($x>=5&&$x<=7))
   {
      echo "five to seven", "\n";
   }
else
{
   echo "big", "\n";
}
}}

$_I1=$x+1;
if($_I1>10)
{
   echo "large", "\n";
}
else
{
   if($_I1===false)
   {
      echo "zero", "\n";
   }
}

if(in_array($t,array("a","b"),true))
{
   echo "a or b", "\n";
}

$y=2;
$x=5;

$_I1=$x*1;
if($_I1===5)
{
   
   $_I2=$y+0;
   if($_I2===2)
   {
      echo "x five, y two", "\n";
   }
   else
   {
      echo "x five", "\n";
   }
   
   echo $x, "\n";
}
else
{
   echo "other", "\n";
}


?>
