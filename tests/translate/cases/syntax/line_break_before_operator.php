<?php
echo true, "\n";
