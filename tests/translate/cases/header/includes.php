<?php
include_once("util.php");
include_once("Util.php");
include_once('db.php');
include_once('db.PHP');

include_once("lib/a-1.2.php");
include_once("x.php");
require_once("a.php");
//require(x.js);
//require(lib.min.js);
require_once("data.json");
require_once("noext");
require_once("odd\$name\".php");

?>
