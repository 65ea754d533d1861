<?php

class Plain

{
   var $n=1;
}

class Child extends Plain
{
   var $m=0;
   function __construct($v= 0)
   {
      ;
      $this->m=$v;
      return;
   }
}


class Made
{
   var $p;
function __construct(){
   $this->p=new Plain();
}
}


class Deep extends Made
{
   function __construct()
   {
      parent::__construct();
      ;
      return;
   }
}

$c=new Child(4);
$d=new Deep();
echo $c->n, " ", $c->m, " ", $d->p->n, "\n";

?>
