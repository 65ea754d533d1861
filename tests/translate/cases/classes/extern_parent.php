<?php


class MyError extends Exception
{
   var $extra=2;
   function __construct($m= 0)
   {
      parent::__construct($m);
      return;
   }
}


class Quiet extends Exception
{
   var $inner;
function __construct(){
parent::__construct();
   $this->inner=new Exception();
}
}

$e=new MyError("boom");
echo $e->getMessage(), " ", $e->extra, "\n";
$q=new Quiet();
echo $q->inner->getMessage(), "\n";

?>
