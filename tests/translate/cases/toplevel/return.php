<?php
;
;
;
echo "after", "\n";

?>
