<p><?php $x=5; ?><?php $y=0; ?><b><?php $x=$x+1;
 ?><?php echo $x, "\n"; ?></b>
<?php $s="a";
$s.="b";
echo $s, "\n"; ?></p>
