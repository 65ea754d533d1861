<?php

class Animal

{
protected    $name="";
static    $count=0;
   function __construct($n= 0)
   {
      $this->name=$n;
      self::$count=self::$count+1;
      return;
   }
   function speak()
   {
      return "...";
   }
   function describe()
   {
      return $this->name." says ".$this->speak();
   }
static    function total()
   {
      return self::$count;
   }
}


class Dog extends Animal
{
   function __construct($n= 0)
   {
      parent::__construct($n);
      return;
   }
   function speak()
   {
      return "woof";
   }
}


class Cat extends Animal
{
   function speak()
   {
      return "meow";
   }
}


class Node
{
   var $value=0;
   var $next=null;
   function __construct($v= 0)
   {
      $this->value=$v;
      return;
   }
}

function sumList($head)
{
   $total=0;
   $n=$head;
   while($n!==null)
   {
      do
      {
         $total=$total+$n->value;
         $n=$n->next;
      } while(false);
   }
   return $total;
}
$d=new Dog("rex");
$c=new Cat("tom");
echo $d->describe(), "\n";
echo $c->describe(), "\n";
echo Animal::total(), "\n";
$a=new Node(1);
$a->next=new Node(2);
$a->next->next=new Node(3);
echo sumList($a), "\n";
$zoo=array($d,$c);
echo $zoo[0]->speak(), " ", $zoo[1]->speak(), " ", count($zoo), "\n";

?>
