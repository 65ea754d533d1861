<?php
echo 5===false, " ", 0===false, " ", ""==="", " ", "a"==="", " ", array()===array(), " ", array(1)===array(), "\n";
echo false===0, " ", ""==="", " ", array() ==array(), " ", false===false, "\n";

?>
