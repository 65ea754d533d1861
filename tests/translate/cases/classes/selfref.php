<?php

class Node

{
   var $value=1;
   var $next=null;
   var $children=array();
   function add($n)
   {
      $this->next=$n;
      return;
   }
}

$a=new Node();
$b=new Node();
$a->add($b);
echo $a->next->value, " ", $a->next->next===null, " ", count($a->children), "\n";

?>
