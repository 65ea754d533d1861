<?php
$n=0;

if($n===0)
{
   
}
while($n<2)
{
   do
   {
      $n=$n+1;
   } while(false);
   $n=$n+1;
   $n=$n+1;
}
echo $n, "\n";
function stray()
{
   
   return;
}

?>
