<?php
function f()
{
   return 1;
}

class A

{
   var $x;
}

?>
