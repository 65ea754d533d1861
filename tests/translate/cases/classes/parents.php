<?php
// Parents declared further down, and classes PHP defines for parents.

class Item

{
   var $n=7;
}

class Circle extends Shape
{
   var $r=1;
   function __construct($radius= 0)
   {
      parent::__construct("circle");
      $this->r=$radius;
      return;
   }
   function area()
   {
      return 3*$this->r*$this->r;
   }
}


class Square extends Shape
{
   var $side=2;
   var $corner;
   function area()
   {
      return $this->side*$this->side;
   }
function __construct(){
if(method_exists(get_parent_class(__CLASS__),"__construct"))parent::__construct();
   $this->corner=new Item();
}
}


class Shape
{
   var $name="shape";
   var $tag;
   function __construct($n="shape")
   {
      $this->tag=new Item();
      $this->name=$n;
      return;
   }
   function area()
   {
      return 0;
   }
   function describe()
   {
      $a=$this->area();
      return $this->name." ".strval($a);
   }
}


class Oops extends Exception
{
   var $extra=5;
   function __construct($why= 0)
   {
      parent::__construct("oops: ".$why);
      return;
   }
   function both()
   {
      return $this->getMessage()." ".strval($this->extra);
   }
}


class Quiet extends RuntimeException
{
   var $more;
function __construct(){
parent::__construct();
   $this->more=new Item();
}
}

$c=new Circle(2);
$s=new Square();
$o=new Oops("late");
$q=new Quiet();
echo $c->area(), " ", $c->name, " ", $s->area(), " ", $s->name, " ", $s->tag->n, " ", $c->describe(), "\n";
echo $o->getMessage(), " ", $o->both(), " ", $o->getLine()>0, " ", $q->getMessage()==="", " ", $q->more->n, "\n";
echo var_export($o->getCode(),true), " ", strlen($o->getMessage()), " ", $s->corner->n+$s->tag->n, "\n";

?>
