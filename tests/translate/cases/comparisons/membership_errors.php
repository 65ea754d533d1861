<?php
echo false, "\n";
echo in_array("a",array(1,2)), "\n";
echo !false, "\n";
echo false, "\n";

?>
