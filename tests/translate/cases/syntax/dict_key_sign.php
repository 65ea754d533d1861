<?php
// A dict key is a primary expression: a sign before it is a syntax error.
// (Inside a misplaced "return" no value text reaches the PHP file.)

print_r(array(1=>"b"));echo "\n";

?>
