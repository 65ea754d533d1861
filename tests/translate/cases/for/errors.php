<?php
$t="";
$n=2;
for($t=1;$t<=3;$t++)
{
   echo $t, "\n";
}
foreach($n as $v)
{   echo $v, "\n";
}
for($j=1;$j<=2;$j++)
{
   echo $j, "\n";
}
echo $j, "\n";
for($q=1;$q<=2;$q++)
{
   echo $q, "\n";
}

?>
