<?php
echo "tab\there", " ", 'it\'s', " ", "q\"q", " ", 'back\\slash', " ", "", "\n";

echo "one"."two"."three", "\n";
echo "end", "\n";

?>
