<?php
// A recursive-descent calculator. Each rule is a method, written top down:
// a rule calls the rules defined after it by their bare names, and the
// innermost calls the outermost again for a part in parentheses.

class Calculator

{
   var $source="";
   var $at=0;
   function value($s)
   {
      $this->source=$s;
      $this->at=0;
      return $this->sum();
   }
   function sum()
   {
      $v=$this->product();
      while($this->peek()==="+"||$this->peek()==="-")
      {
         do
         {
            $op=$this->next();
            $w=$this->product();
            if($op==="+")
            {
               $v=$v+$w;
            }
            else
            {
               $v=$v-$w;
            }
         } while(false);
      }
      return $v;
   }
   function product()
   {
      $v=$this->factor();
      while($this->peek()==="*")
      {
         do
         {
            $this->skip();
            $v=$v*$this->factor();
         } while(false);
      }
      return $v;
   }
   function factor()
   {
      if($this->peek()==="(")
      {
         $this->skip();
         $v=$this->sum();
         $this->skip();
         return $v;
      }
      return $this->digits();
   }
   function digits()
   {
      $v=0;
      while(self::isDigit($this->peek()))
      {
         do
         {
            $v=$v*10+intval($this->next());
         } while(false);
      }
      return $v;
   }
static    function isDigit($c)
   {
      return $c!==""&&$c>="0"&&$c<="9";
   }
   function peek()
   {
      if($this->at>=strlen($this->source))
      {
         return "";
      }
      return $this->source[$this->at];
   }
   function skip()
   {
      $this->at=$this->at+1;
      return;
   }
   function next()
   {
      $c=$this->peek();
      $this->skip();
      return $c;
   }
}

$calc=new Calculator();
echo $calc->value("2+3*4"), " ", $calc->value("(2+3)*4"), " ", $calc->value("10-(4-1)*2"), "\n";
echo $calc->value("((7))"), " ", $calc->value("12*12-44"), "\n";

?>
