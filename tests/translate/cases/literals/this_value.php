<?php
// "this" outside a class is only translated here, not run.
echo $this===null, "\n";

?>
