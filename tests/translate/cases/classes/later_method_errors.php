<?php
// Bare calls of methods defined further down are checked against their
// heads, and once more against the methods defined at the end of the class.

class Shop

{
   var $stock=4;
static    function count()
   {
      return $this->left();
   }
   function sell($n)
   {
      return $this->take($n,1,2)+$this->take()+$this->take(intVal("x"));
   }
   function open()
   {
      return $this->later(1);
   }
   function far()
   {
      return $this->spread(1,2,3)+$this->spread(1,2);
   }
   function left()
   {
      return $this->stock;
   }
   function take($n,$fee=0)
   {
      return $this->stock-$n-$fee;
   }
   function spread($a,$b=1+2)
   {
      return $a+$b;
   }
   function later($a)
   {
      return $this->stray($a);
   }
   var $next=null;
   function onOther()
   {
      return $this->next->left(1)+Shop::take(1);
   }
   function broken()
   {
      
      return;
   }
}

function helper($x)
{
   return $x+1;
}

class Tool

{
   function use()
   {
      return intVal(helper(2)+unknown(3));
   }
}


?>
