<?php

class Inner { public $b = 2; } class Outer { public $a = 1; public $c = 3; function size() { return 4; } }$o=new Outer();
$i=new Inner();
echo $o->a, " ", $i->b, " ", $o->c, " ", $o->size(), "\n";

?>
