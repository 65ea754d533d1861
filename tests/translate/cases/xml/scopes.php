<?php
function show()
{
   $doc=["data"=>"in"
];
   $doc=["data"=>"again"
];
   print_r($doc);echo "\n";
   return;
}
show();
if(1===1)
{
   $cfg=["v"=>1
];
   echo var_export($cfg["v"],true), "\n";
}


?>
