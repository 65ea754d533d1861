<?php
// A method calls, by its bare name or on an object or the name of its
// class, methods of its class defined further down: written as the method
// calls they are, typed by their heads.

class Parity

{
static    $calls=0;
   function even($k)
   {
      self::$calls=self::$calls+1;
      if($k===0)
      {
         return true;
      }
      return $this->odd($k-1);
   }
   function odd($k)
   {
      if($k===0)
      {
         return false;
      }
      return $this->even($k-1);
   }
   function describe($k)
   {
      return $this->name($k)." is ".self::word($this->even($k));
   }
static    function cubeOver($v)
   {
      return intVal(self::cube($v)/$v);
   }
   function half($x)
   {
      return $this->halve(intVal($x));
   }
   function twice($n,$by=2)
   {
      return $this->times($n,$by)+$this->times($n);
   }
   function name($k)
   {
      return "n".strval($k);
   }
static    function word($b)
   {
      if($b)
      {
         return "even";
      }
      return "odd";
   }
static    function cube($v)
   {
      return $v*$v*$v;
   }
   function halve($n)
   {
      return intVal($n/2);
   }
   function times($n,$by=1)
   {
      return $n*$by;
   }
   function pair($s,&$count)
   {
      return array($count,strlen($s));
   }
   function usePair()
   {
      $c=3;
      $p=$this->pair("abcd",$c);
      return $p[0]+$p[1];
   }
   var $other=null;
   function chained()
   {
      $this->other=$this;
      return $this->other->self()->times(3,3)+Parity::cube(2);
   }
   function self()
   {
      return $this;
   }
}

$p1=new Parity();
echo $p1->even(10), " ", $p1->odd(7), " ", $p1->describe(3), " ", Parity::cubeOver(3), " ", Parity::$calls, "\n";
echo $p1->half(7.6), " ", $p1->twice(5), " ", $p1->usePair(), " ", $p1->chained(), "\n";

?>
