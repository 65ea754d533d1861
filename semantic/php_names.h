// The names PHP defines itself: functions, classes and interfaces, and
// constants of the extensions php-cli loads, and PHP's reserved words.
// The table is generated from PHP by scripts/php_names.php.
#pragma once

#include <string>

// PHP finds functions and classes whatever their case.
bool isPhpFunctionName(const std::string& name);
bool isPhpClassName(const std::string& name);
// Constants are exact, but for true, false and null, which are words.
bool isPhpConstantName(const std::string& name);
// Keywords and the words true, false and null, whatever their case.
bool isPhpReservedWord(const std::string& name);
// Words PHP takes for itself where a class name stands (int, self, ...).
bool isPhpReservedClassName(const std::string& name);
// Variables PHP keeps for itself: $this and $GLOBALS (exact case).
bool isPhpReservedVariableName(const std::string& name);
