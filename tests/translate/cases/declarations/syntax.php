<?php



$ok=1;
echo $ok, " ", $z, "\n";

?>
