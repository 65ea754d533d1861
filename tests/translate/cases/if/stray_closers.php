<?php
// A closing keyword no statement opened is reported and skipped; one that
// closes an enclosing statement ends the statement left open.
$x=0;
echo 1, "\n";

while($x<1)
{
   do
   {
      $x=1;

      echo 2, "\n";
   } while(false);
}

if($x===1)
{
   while($x<1)
   {
      do
      {
         $x=2;
      } while(false);
   }
}

echo 3, "\n";

?>
