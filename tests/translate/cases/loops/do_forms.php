<?php
$n=0;
do
{
      $n=$n+1;
}
while(!($n>=3));
echo $n, "\n";
do
{
      $n=$n-1;
}
while(false);
echo $n, "\n";
do
{
      $n=$n+1;
      if($n===5)
      {
         break;
      }
}
while(true);
echo $n, "\n";
do
{
      $n=$n-1;
}
while ($n>2);
echo $n, "\n";
do
{
      $n=$n-1;
}
while(!($n<0));
echo $n, "\n";
do
{
      break;
}
while (true);
do
{
   if($n===0)
   {
      echo "zero", "\n";
   }
   else
   {
   if($n===-1)
   {
      echo "minus one", "\n";
   }
   else
   {
   if($n===-2)
   {
      echo "minus two", "\n";
   }
   else
   {
      echo "other", "\n";
   }
   }}
   echo "always", "\n";
}
while(false);
do
{
   if($n===7)
   {
      echo "seven", "\n";
   }
   
}
while(false);

?>
