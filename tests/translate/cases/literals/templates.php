<?php
$name = "Ann";
echo "plain", " ", "with \"quotes\"", " ", "", " ", "end\\", "\n";
echo "hello ".$name."!", " ", "cost \$5", "\n";
echo "two
lines", " ", "three
more
lines", "\n";

?>
