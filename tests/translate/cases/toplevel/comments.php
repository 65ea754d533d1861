<?php
// head comment
echo 1, "\n";
// ? > stays inside the comment
//
echo 2, "\n";

?>
