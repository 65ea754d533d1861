<?php
echo 1+2*3, "\n";

?>
