<?php
$total=0;
function add($n)
{
   global $total;   
   global $total;
   $total=$total+$n;
   $i=0;
   for($i=1;$i<=$n;$i++)
   {
      if($i===2)
      {
         continue;
      }
      $total=$total+1;
   }
   while($n>0)
   {
      do
      {
         $n=$n-1;
         if($n===1)
         {
            break 2;
         }
      } while(false);
   }
   return $total;
}
echo add(3), "\n";
echo $total, "\n";

?>
