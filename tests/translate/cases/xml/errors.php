<?php
$a=[
"b"=>["data"=>"x"]];
["data"=>"me"
];
["data"=>"all"
];
$a=[
];
$bad=[];

echo "after", "\n";

?>
