<?php
// "@" silences a whole call: it stands before "new" and "$", never inside

$fv=0;
$o=@new Foo(1);
$r=@$fv("ab");
$r=@strrev("x").@abs(-1);
@strrev("y");
echo @strrev("z"), "\n";
$a=array(@strrev("p"),strrev("q"));

?>
