<?php
$p=[
"data"=>"intro",
"b"=>["data"=>"bold"],
"tail"];
$list=["id"=>1
,
"item"=>["data"=>"one"],
"item"=>["data"=>"two"],
"data"=>"text",
"more"];
print_r($p);echo "\n";
print_r($list);echo "\n";

?>
