<?php
echo 1, "\n";

echo 2, "\n";

echo 3;

?>
