<?php
function one($r)
{
   return intVal($r*2);
}
function two($a)
{
   return array($a,"x");
}
function g()
{
   return false;
}
function h()
{
   return array(false,2);
}
function v()
{
   return;
}
function wrong()
{
   return intVal("a");
}
function pair()
{
   return 1;
}
function late()
{
   return "t";
}

?>
