<?php

echo 1, "\n";

?>
