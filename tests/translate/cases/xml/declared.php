<?php
define("K",1);
echo K+3, "\n";
$doc=["kind"=>"memo",
"data"=>"x"
];
$doc["more"]="y";
echo var_export($doc["kind"],true), " ", var_export($doc["data"],true), " ", var_export($doc["more"],true), "\n";

?>
