<?php

define("M_PI",3);
define("PHP_EOL","x");
define("True","");
define("MINE",1);
echo E_ALL>0, " ", MINE, "\n";

?>
