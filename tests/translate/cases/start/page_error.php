<p><?php echo 1, "\n" ?>after
end
