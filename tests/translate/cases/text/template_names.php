<?php
// a template's names are read as the same names in an expression
$g=5;
$name="world";
define("MAX",9);

class Box
{
   var $label="lbl";
static    $made=2;
   function show($label2)
   {
      return $this->label." is ".$label2.", ".self::$made." made";
   }
}


class Crate extends Box
{
   function tag()
   {
      return "crate ".$this->label;
   }
}

function greet()
{
   global $name;
   global $g;
   return "hello ".$name.", g is ".$g;
}
function counted($n)
{
   if($n>0)
   {
      global $g;
      return "in a block: ".$g.", the parameter: ".$n;
   }
   global $g;
   return "g is still ".$g;
}
$b=new Box();
echo $b->show("x"), "\n";
$c=new Crate();
echo $c->tag(), "\n";
echo greet(), "\n";
echo counted(3), "\n";
echo counted(0), "\n";
echo "top ".$name." ".MAX, "\n";

?>
