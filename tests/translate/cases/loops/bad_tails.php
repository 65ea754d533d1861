<?php
// The PHP written before a syntax error stays valid: a do tail is ended,
// a break that does not end its line is not written, a bad test line
// is closed.
$n=0;
do
{
      $n=$n+1;
}
while(!($n>4))
;

while($n<9)
{
   do
   {
      $n=$n+1;
      
   } while(false);
}


if($n===1)
{
}

echo $n, "\n";

?>
