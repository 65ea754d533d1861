<?php
echo false, "\n";
echo in_array("a",array(1,2),true), "\n";
echo !false, "\n";
echo false, "\n";

?>
