<?php
// "this" outside a class is reported: PHP has no $this there.
echo $this===null, "\n";

?>
