<?php
// user functions from prototypes: checked against their signatures
echo strrev("abc"), " ", str_word_count("one two three"), "\n";
echo strrev(strrev("xy")), " ", str_repeat(str_repeat("a",2),3), "\n";
echo str_repeat("ab",intVal(2.7)), "\n";
$t=strrev(strrev(strrev("abc")));
echo $t, "\n";

?>
