<?php


class Refused extends Exception
{
   function __construct($why= 0)
   {
      parent::__construct("refused: ".$why);
      return;
   }
}


class Account
{
private    $balance=0;
   var $owner="";
static    $opened=0;
   var $history=array();
   function __construct($who= 0,$start=0)
   {
      $this->owner=$who;
      $this->balance=$start;
      self::$opened=self::$opened+1;
      return;
   }
   function deposit($amount)
   {
      if($amount<=0)
      {
         echo "refused", "\n";
         return;
      }
      $this->balance=$this->balance+$amount;
      return;
   }
   function total()
   {
      return $this->balance;
   }
}

$a=new Account("ann",10);
$a->deposit(5);
$a->deposit(-1);
$r=new Refused("x");
echo $a->owner, " ", $a->total(), " ", Account::$opened, " ", count($a->history), " ", $r->getMessage(), "\n";

?>
