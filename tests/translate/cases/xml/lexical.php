<?php
$a=["data"=>"x"];
