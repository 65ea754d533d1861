<?php

class Shape

{
   var $name="shape";
static    $made=0;
   function __construct($n= 0)
   {
      $this->name=$n;
      self::$made=self::$made+1;
      return;
   }
   function area()
   {
      return 0;
   }
   function describe()
   {
      return $this->name;
   }
}


class Square extends Shape
{
   var $side=0;
   function __construct($s= 0)
   {
      parent::__construct("square");
      $this->side=$s;
      return;
   }
   function area()
   {
      return $this->side*$this->side;
   }
}

function fact($n)
{
   if($n<=1)
   {
      return 1;
   }
   return $n*fact($n-1);
}
function pair($a)
{
   return array($a*2,"p");
}
$q=new Square(3);
echo $q->describe(), "\n";
echo fact(5), "\n";
echo Shape::$made, "\n";
$a=0;
$t="";
$_I1=pair(4);
$a=reset($_I1);
$t=next($_I1);
echo $a, " ", $t, "\n";

?>
