<?php
$x = "X";
$book=["title"=>"Velp","year"=>2026,"price"=>9.5
 ,"pages"=>300,
"author"=>["data"=>"Ann"],
"note"=>["data"=>"cost \${ \"q\" \ $x"],
"empty"=>[],
"count"=>["data"=>7],
"ratio"=>["data"=>2.5]];
echo var_export($book["title"],true), " ", var_export($book["year"],true), " ", var_export($book["pages"],true), " ", var_export($book["author"]["data"],true), " ", var_export($book["count"]["data"],true), "\n";
echo var_export($book["note"]["data"],true), " ", var_export($book["ratio"]["data"],true), "\n";

?>
