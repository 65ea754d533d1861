<?php
// The caught variable is a variable even after a constant was read.

define("LIMIT",3);
$x=0;
try
{   
   $x=LIMIT;
   throw new Exception("boom");
}
catch(Exception $e)
{   
   $x=$e;
   echo "caught", "\n";
}

?>
