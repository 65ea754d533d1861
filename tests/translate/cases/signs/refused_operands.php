<?php
$a=array(1);
$ia=array(2);
$d=array("k"=>1);
$b=true;
echo -$a, " ", +$ia, " ", ~$d, " ", ~$b, "\n";
echo - -$a, "\n";

?>
