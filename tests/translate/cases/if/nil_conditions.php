<?php
// nil writes no text: a condition that is nil is written null
$x=0;
if(null)
{
   echo 1, "\n";
}
while(null)
{
      echo 2, "\n";
}
do
{
      $x=1;
}
while(!(null));
do
{
   if(null)
   {
      echo 3, "\n";
   }
   else
   {
   if(null)
   {
      echo 4, "\n";
   }
   }
}
while (null);

if(null===1)
{
   echo 5, "\n";
}


?>
