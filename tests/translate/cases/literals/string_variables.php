<?php
// A "$" that PHP would read as a malformed variable in a double-quoted text
// stands for itself; well-formed variables are kept ("${" in its current form).
$x = [1, 2]; $k = 1; $y = "s"; $s = 7;
echo "\${", " ", "{\$", " ", "a{\$}b", " ", "\${}", " ", "\$x[", " ", "\$x[0", " ", "\$x[ 1]", " ", "{\$x", " ", "\${x", "\n";
echo "\${", " ", "{\$", " ", "\${x", "\n";
echo "$x[1]", " ", "$x[$k]", " ", "{$x[0]}", " ", "{$x[1]}", " ", "{${$y}}", " ", "$1", " ", "$$", " ", "\$x[", "\n";
echo "{$x[0]}", "\n";
echo "\${,[0]}", " ", "\${1[0]}", " ", "\${\$}y}", " ", "{$x[ 1 ]}", " ", "{$x[$k - 1]}", " ", "{$x[$k]}", "\n";
echo "\${x[$0]}", "\n";
echo "\{".$y."}", " ", "\\{".$y."[0 ]}", "\n";
echo "$\${$y}", " ", "a\${$x[0]}", "\n";

?>
