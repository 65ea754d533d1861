<div>
<?php echo "in script", "\n"; ?>
<?php echo 1<2, "\n";
 ?></div>
<?php echo 3>=2, "\n";
echo 4, "\n"; ?>
