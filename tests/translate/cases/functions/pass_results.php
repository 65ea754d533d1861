<?php
function pair()
{
   return array(1,2);
}
function again()
{
   return pair();
}
$a=0;
$b=0;
$_I1=again();
$a=reset($_I1);
$b=next($_I1);
echo $a, " ", $b, "\n";

?>
