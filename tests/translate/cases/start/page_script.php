<div>
<script php>echo 1, "\n";
</script></div>
