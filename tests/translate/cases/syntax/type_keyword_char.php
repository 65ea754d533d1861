<?php
// "char" is a declaration type only, not a conversion; "string" is no type keyword



?>
