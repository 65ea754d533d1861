<?php
echo 1, "\n";
echo 1, "\n"

?>
