<?php

class B extends Nowhere

{
   var $x=1;
}

class C extends C
{
}

?>
