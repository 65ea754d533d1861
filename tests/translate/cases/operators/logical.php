<?php
echo true||false, " ", true&&false, " ", false||1<2, "\n";
echo 1&&2, " ", 1.5||true, "\n";
echo "a"&&true, "\n";

?>
