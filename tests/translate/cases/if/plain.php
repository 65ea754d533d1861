<?php
$x=3;
if($x>2)
{
   echo "big", "\n";
}
if($x===3)
{
   echo "three", "\n";
}
else
{
   echo "other", "\n";
}
if($x===4)
{
   echo "four", "\n";
}
else
{
   echo "not four", "\n";
}
if($x<2)
{
   echo "small", "\n";
}
else
{
   echo "not small", "\n";
}

if($x===3)
{
   echo "colon", "\n";
}

if($x===3)
{
}

if($x===1)
{
}
else
{
}

echo "end", "\n";

?>
