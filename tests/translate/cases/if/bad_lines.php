<?php
// A bad line is reported once; what its statement opened is closed again,
// so the lines after it keep their own indentation.
$x=3;
$i=0;
for($i=1;$i<=2;$i++)
{
   if($x)
   {
   }
   while($x<1)
   {
   }
   echo "in for", "\n";
   if($x===3)
   {
      
      echo "in if", "\n";
   }
}

if($x>1)
{
}

echo "after", "\n";
do
{
   if($x===3)
   {
   }
   if(false)
   {
   }
   else
   {
   if($x===3)
   {
      echo "three", "\n";
   }
   else
   {
   if($x===4)
   {
   }
   if(false)
   {
   }
   }}
}
while(false);
echo "end", "\n";

?>
