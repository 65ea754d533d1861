<?php
// break and continue follow the innermost loop
$n=0;
$i=0;
while($n<3)
{
   do
   {
      $n=$n+1;
      for($i=1;$i<=5;$i++)
      {
         if($i===2)
         {
            continue;
         }
         if($i===4)
         {
            break;
         }
         echo $n,":",$i," ";
      }
      do
      {
            if($n===2)
            {
               break;
            }
            echo "d",$n," ";
      }
      while(false);
      if($n===1)
      {
         break;
      }
      echo "w",$n," ";
   } while(false);
}

echo "\n";
while($n>0)
{
   do
   {
      break;
   } while(false);
   $n=$n-1;
}
while($n<2)
{
   do
   {
      break 2;
   } while(false);
}
echo $n, "\n";

?>
