<?php
$i=0;
$n=3;
for($i=1;$i<=4;$i++)
{
   echo $i," ";
}
echo "\n";
for($i=1;$i<4;$i++)
{
   echo $i," ";
}
echo "\n";
for($i=4;$i>=1;$i+=-1)
{
   echo $i," ";
}
echo "\n";
for($i=4;$i>1;$i+=-1)
{
   echo $i," ";
}
echo "\n";
for($j=10;$j>=1;$j+=-3)
{
   echo $j," ";
}
echo "\n";
for($j=1;$j<=10;$j+=4)
{
   echo $j," ";
}
echo "\n";
for($j=$n;$j>=1;$j+=-1)
{
   echo $j," ";
}
echo "\n";
for($j=10;$j>=1;$j+=-2)
{
   echo $j," ";
}
echo "\n";
for($j=5;$j<=2*3;$j++)
{
   echo $j," ";
}
echo "\n";
for($j=10;$j>=2*3;$j+=-1)
{
   echo $j," ";
}
echo "\n";
for($j=7;$j>=3;$j+=-2)
{
   echo $j," ";
}
echo "\n";
for($j=0;$n>0?$j<=$n:$j>=$n;$j+=$n)
{
   echo $j," ";
}
echo "\n";
for($j=2;$j<=12;$j+=2*2)
{
   echo $j," ";
}

echo "\n";
for($j=012;$j>=9;$j+=-1)
{
   echo $j," ";
}
echo "\n";

?>
