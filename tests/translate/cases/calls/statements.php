<?php
// calls as statements: at top level, after "@", on a literal, at the end of a chain
printf("%d\n",abs(-4));
@printf("%s\n","silent");
strlen("ignored");

$a=array(1);
array_push($a,2);
printf("%d\n",count($a));
strval($a[0]);
echo implode(",",$a), "\n";

?>
