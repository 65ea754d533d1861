<html>
<p><?php echo "a", "\n"; ?></p>
<?php echo "\n"; ?>x
<b><?php echo 1;

echo 2, "\n"; ?>
</html>
