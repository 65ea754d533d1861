<?php

echo 0, " ", 1, "\n";


echo $D, " ", $F, "\n";

?>
