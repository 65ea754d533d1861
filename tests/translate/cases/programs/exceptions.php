<?php
// Errors of a small store: the exception classes derive from PHP's own
// Exception (the most particular one first, its parent further down), the
// native code of the store throws them, and the program catches them.

class OutOfStock extends StockError

{
   function __construct($item= 0,$count= 0)
   {
      parent::__construct($item,"only ".strval($count)." left");
      return;
   }
}


class StockError extends Exception
{
   var $item="";
   function __construct($what= 0,$why= 0)
   {
      parent::__construct($what.": ".$why);
      $this->item=$what;
      return;
   }
   function report()
   {
      return "[".$this->item."] ".$this->getMessage();
   }
}


class Store
{
   var $stock=array("pen"=>3,"ink"=>0);
   function take($item,$count)
   {
      $left=0;
      if (!isset($this->stock[$item])) throw new StockError($item, "unknown");
      $left = $this->stock[$item];
      if ($left < $count) throw new OutOfStock($item, $left);
      $this->stock[$item] = $left - $count;
      return $left-$count;
   }
}

$shop=new Store();
$orders=array("pen","ink","cup","pen","pen");
for($i=0;$i<count($orders);$i++)
{
   try
   {      
      echo $orders[$i], " ", "left:", " ", $shop->take($orders[$i],2), "\n";
   }
   catch(StockError $e)
   {      
      echo "refused", " ", $e->report(), " ", $e->getLine()>0, "\n";
   }
}

try
{   
   throw new OutOfStock("cup", 1);
}
catch(OutOfStock $e)
{   
   echo $e->report(), " ", strlen($e->getMessage()), " ", var_export($e->getCode(),true), "\n";
}

?>
