<?php
// methods of literals: the literal is written as it is written anywhere else
echo strtoupper("abc"), " ", strlen('a$b'), " ", strlen(str_repeat("ab",2)), "\n";
echo strval(5)."!", " ", strval(5), " ", strval(5), " ", intval(2.5), " ", intval(2.5), " ", doubleval(7), "\n";
echo implode(";",explode(",","a,b")), "\n";
strlen("x");
echo 1+intval("12"), "\n";

?>
