<?php
// Reading to the end: readline gives a text, so "" ends the loop
$f=0;
$error=($f=fopen("lines.txt","w"));
fputs($f,"one\n");
fputs($f,"two\n");
fclose($f);
$error=($f=fopen("lines.txt","r"));
$n=0;
$line=strval(fgets($f,65536));
while($line!==""&&$n<10)
{
   do
   {
      echo trim($line), "\n";
      $n=$n+1;
      $line=strval(fgets($f,65536));
   } while(false);
}

echo $n, "\n";
echo $line==="", "\n";
fclose($f);

?>
