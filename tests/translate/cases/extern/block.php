<?php

$before=$last+LIMIT;
echo "ok", "\n";

?>
