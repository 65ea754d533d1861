<?php
echo (1<2)<3, "\n";
echo (1===1)==true, "\n";

?>
