<?php
// a "-" between texts stays "-"; "*" on texts passes its check
echo "ab"-"b", " ", "a"*"b", "\n";
echo "s". 1, " ", 1+"s", "\n";

?>
