<?php
function f($a,$b)
{
   return $a+$b;
}
echo f(1,2), "\n";

?>
