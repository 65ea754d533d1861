<?php
// a range loop with a step that is no constant counts the way its sign says
$st=-2;
$lo=1;
$hi=7;
$i=0;
$seen="";
for($i=$hi;$st>0?$i<=$lo:$i>=$lo;$i+=$st)
{
   $seen=$seen.strval($i);
}

echo $seen, "\n";
$seen="";
for($i=$hi;$st-1>0?$i<$lo:$i>$lo;$i+=$st-1)
{
   $seen=$seen.strval($i);
}

echo $seen, "\n";
$seen="";
for($i=$lo;-$st*2>0?$i<$hi:$i>$hi;$i+=-$st*2)
{
   $seen=$seen.strval($i);
}

echo $seen, "\n";
$seen="";
for($i=$hi;-$st>0?$i<=$lo:$i>=$lo;$i+=-$st)
{
   $seen=$seen.strval($i);
}

echo "[".$seen."]", "\n";
// return nil gives the result type's own empty value
function name($n)
{
   if($n>0)
   {
      return "x";
   }
   return "";
}
function items($n)
{
   if($n>0)
   {
      return array($n);
   }
   return array();
}
function nothing($n)
{
   return false;
}
function both()
{
   return array("",array());
}
$t=name(0);
echo intval($t===""), " ", intval(name(0)===""), " ", "[".name(0)."]", "\n";
$a=items(0);
echo count($a), " ", intval($a===array()), "\n";
foreach(items(0) as $v)
{   echo var_export($v,true), "\n";
}
echo nothing(3), "\n";
$u="";
$w=array();
$_I1=both();
$u=reset($_I1);
$w=next($_I1);
echo intval($u===""), " ", count($w), "\n";

?>
