<?php
// A fluent builder: every method gives the builder back, so calls chain,
// and the chain ends in what the builder makes.

class Line

{
   var $item="";
   var $count=0;
   var $price=0;
   function amount()
   {
      return $this->count*$this->price;
   }
}


class Invoice
{
   var $customer="nobody";
   var $lines=array();
   var $discount=0;
   function to($who)
   {
      $this->customer=$who;
      return $this;
   }
   function add($item,$count,$price)
   {
      $l=new Line();
      $l->item=$item;
      $l->count=$count;
      $l->price=$price;
      array_push($this->lines,$l);
      return $this;
   }
   function off($rate)
   {
      $this->discount=$rate;
      return $this;
   }
   function total()
   {
      $sum=0;
      for($i=0;$i<count($this->lines);$i++)
      {
         $sum=$sum+$this->lines[$i]->amount();
      }
      return $sum*(1-$this->discount);
   }
   function summary()
   {
      $all=$this->total();
      return $this->customer.": ".strval(count($this->lines))." lines, ".strval($all);
   }
   function last()
   {
      return $this->lines[count($this->lines)-1];
   }
}

$bill=new Invoice();
echo $bill->to("ann")->add("pen",3,1.5)->add("pad",2,4)->summary(), "\n";
echo $bill->off(0.5)->total(), " ", $bill->last()->item, " ", $bill->last()->amount(), "\n";
echo strlen($bill->to("bob")->summary()), " ", $bill->add("ink",1,2)->last()->count, "\n";
$who=$bill->to("cy")->customer;
if($bill->off(0)->total()>10)
{
   echo $who, " ", "owes", " ", $bill->total(), "\n";
}

?>
