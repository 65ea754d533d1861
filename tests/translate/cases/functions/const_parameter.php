<?php
function f($a,$b)
{
   $a=2;
   return $a+$b;
}
echo f(1,2), "\n";
if(true)
{
   return;
}

?>
