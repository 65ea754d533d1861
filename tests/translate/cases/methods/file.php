<?php
// the predefined methods of files and folders, on files of the working folder
$f=0;
$error=($f=fopen("notes.txt","w"));
fputs($f,"first\n");
fwrite($f,"second\n");
fclose($f);
$error=($f=fopen("notes.txt","r"));
echo trim(strval(fgets($f,65536))), " ", feof($f), " ", is_resource($f), "\n";
echo trim(strval(fread($f,6))), " ", (function($f){return fstat($f)["size"];})($f), " ", (function($f){return fstat($f)["mtime"];})($f)>0, "\n";
fseek($f,0);
echo strlen(strval(fgets($f,65536))), "\n";
fclose($f);
echo file_exists("notes.txt"), " ", filesize("notes.txt"), " ", is_file("notes.txt"), "\n";
mkdir("sub");
echo is_dir("sub"), " ", rmdir("sub"), " ", file_exists("sub"), "\n";
$here=opendir(".");
echo strval(readdir($here))!=="", "\n";
closedir($here);
echo unlink("notes.txt"), " ", file_exists("notes.txt"), "\n";

?>
