<?php
echo "a"."b"."c", " ", "n=".strval(5), " ", "x"."y", "\n";
echo "a"."b", " ", "c", "\n";

?>
