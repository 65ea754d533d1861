<?php
echo 1&&true, "\n";
echo 1|"a", "\n";
echo 1==="a", "\n";
print_r(array_merge(array(1),array(1=>2)));echo "\n";
echo 1<<"a", "\n";
echo "s". 1, "\n";
echo 1+"s", "\n";
echo array(1)*2, "\n";
echo "a"/2, "\n";
echo "a"%2, "\n";
echo false, "\n";
echo "b", "\n";
echo array(1)*(1/2), "\n";

?>
