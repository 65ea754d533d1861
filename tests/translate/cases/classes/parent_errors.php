<?php
// Parents checked at the end of the file: one nothing declares, one PHP
// cannot bind when it compiles the file, and what a child wrote before its
// parent was known.

class Item

{
}

class Lost extends Nowhere
{
}

class Top extends Middle
{
}

class Middle extends Bottom
{
}

class Bottom
{
}

class Early extends Late
{
   var $extra;
   var $code=1;
   function __construct()
   {
      $this->extra=new Item();
      $this->extra=new Item();
      return;
   }
   function call()
   {
      helper(2);
      return;
   }
   function size()
   {
      return 1;
   }
}


class Late extends Exception
{
   var $extra2;
   function helper($a)
   {
      return;
   }
function __construct(){
parent::__construct();
   $this->extra2=new Item();
}
}


class Plain extends Base
{
   function __construct($a= 0)
   {
      parent::__construct($a,2);
      return;
   }
}


class Base
{
   var $v=0;
   function __construct($x= 0)
   {
      return;
   }
}


class Bare extends Hollow
{
   function __construct()
   {
      parent::__construct(1);
      return;
   }
}


class Hollow
{
}

?>
