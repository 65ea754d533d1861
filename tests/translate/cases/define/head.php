<?php

echo "defined", "\n";

?>
