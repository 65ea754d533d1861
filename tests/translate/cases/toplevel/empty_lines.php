<?php

echo 1, "\n";

echo 2, "\n";

echo 3, "\n";

echo 4, "\n";

?>
