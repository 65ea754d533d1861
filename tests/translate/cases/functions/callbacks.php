<?php
function twice($a)
{
   return $a*2;
}
function apply($f,$v)
{
   return $f($v);
}
echo apply("twice",4), " ", apply("twice",5), "\n";

?>
