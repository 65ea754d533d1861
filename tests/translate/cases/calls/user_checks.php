<?php
// argument counts and types of user calls, and calls nested in their own

$n=f(1);
$n=f(1,2,3);
$n=f(intVal("a"),2);
$n=f(f(1,2),f(3,4));
$n=f();
$n=f(1,2);
$n=g(1);
$n=g(g(1),g(2,3));
$o=new Node(new Node(1,2),2);
$o=new Node(1);
$o=new Node(1,intVal("x"));
$n=intVal(h(1,"a"));

?>
