<?php
echo "ok", "\n";

?>
