<?php
$n=0;
while($n<3)
{
      echo $n," ";
   $n=$n+1;
}
echo "\n";
$n=0;
while($n<6)
{
   do
   {
      $n=$n+1;
      if($n===2)
      {
         break;
      }
      if($n===5)
      {
         break 2;
      }
      echo $n," ";
   } while(false);
}

echo "\n";
$n=0;
while($n<4)
{
   do
   {
      echo $n," ";
   } while(false);
   $n=$n+1;
}
echo "\n";
$n=0;
while($n<4)
{
   do
   {
      echo $n," ";
      if($n===1)
      {
         break;
      }
      echo "x ";
   } while(false);
   $n=$n+1;
}
echo "\n";
while(true)
{
   do
   {
      break 2;
   } while(false);
}
$n=0;
while(true)
{
   do
   {
      $n=$n+1;
      if($n>3)
      {
         break 2;
      }
   } while(false);
}

echo $n, "\n";

?>
