<?php
// methods of objects and classes: "::" only on the class, "->" on every result

class Node

{
   var $v=0;
   var $time=0;
   function __construct($n= 0)
   {
      $this->v=$n;
      return;
   }
   function get()
   {
      return $this->v;
   }
   function add($x)
   {
      return $this->v+$x;
   }
   function next()
   {
      return new Node($this->v+1);
   }
static    function make()
   {
      return new Node(7);
   }
   function stamp()
   {
      return time()-time()+$this->get();
   }
}

$n=new Node(1);
echo $n->get(), " ", $n->add($n->add(1)), " ", $n->next()->get(), " ", $n->next()->next()->add(10), "\n";
echo Node::make()->get(), " ", Node::make()->next()->get(), " ", $n->stamp(), " ", strlen(strval($n->get())), "\n";

?>
