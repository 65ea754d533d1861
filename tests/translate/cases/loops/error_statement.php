<?php
$n=0;
if(($error=@(false))!==false || $n===null) $n=$error;
if($error===false)
{
   echo "no error", "\n";
}
if($error===false)
{
   echo "still no error", "\n";
}

$t="x";
$i=0;
for($i=1;$i<=2;$i++)
{
   if(($error=@($i))!==false || $n===null) $n=$error;
   if($error===false)
   {
      echo "ok", " ", $i, "\n";
   }
}

global $n;
echo "end", "\n";

?>
