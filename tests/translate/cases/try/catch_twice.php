<?php
// The caught variable belongs to the scope around the try statement.

function f()
{
   try
   {      
      echo 1, "\n";
   }
   catch(Exception $e)
   {      
      echo 2, "\n";
   }
   try
   {      
      echo 3, "\n";
   }
   catch(Exception $e)
   {      
      echo 4, "\n";
   }
   return;
}
f();

?>
