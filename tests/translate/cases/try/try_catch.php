<?php

$n=0;
try
{   
   $n=1;
   echo "in try", "\n";
}
catch(Exception $e)
{   
   echo "caught", "\n";
}
try
{   
   $n=2;
} finally {}
echo $n, "\n";
try
{   
   echo "again", "\n";
}
catch(Exception $e2)
{   
   echo "never", "\n";
}

?>
