<?php

echo "ok", "\n";

?>
