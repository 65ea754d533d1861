<?php

class Base

{
private    $secret=1;
protected    $shared=2;
   var $open=3;
private    function hidden()
   {
      return $this->secret;
   }
protected    function inner()
   {
      return $this->shared;
   }
   function show()
   {
      return $this->hidden()+$this->inner()+$this->secret;
   }
}


class Child extends Base
{
   function peek()
   {
      return $this->shared+$this->open;
   }
   function steal()
   {
      return $this->secret;
   }
   function call()
   {
      return $this->inner();
   }
}

$c=new Child();
echo $c->open, " ", $c->show(), " ", $c->peek(), " ", $c->call(), "\n";
echo $c->secret, " ", $c->shared, "\n";
echo $c->hidden(), " ", $c->inner(), "\n";

?>
