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

// PHP's own classes a program's class may extend: no interface, trait,
// enumeration, final or abstract class, none PHP refuses to extend.
bool isPhpExtendableClass(const std::string& name);
// A public method of PHP's class or of one of its parents, whatever its
// case: found, static, and its result's type code (var when PHP does not
// fix one).
struct PhpMethod {
    bool found = false;
    bool isStatic = false;
    int resultType = 16;
};
PhpMethod findPhpMethod(const std::string& className, const std::string& name);
// Whether PHP's class or a parent has a method of that name (whatever its
// case) that is not private: a class extending it may not declare it again
// (PHP makes some final, and fixes the others' results).
bool phpClassHasMethod(const std::string& className, const std::string& name);
// Whether PHP's class or a parent has a property of that name that a class
// extending it may not declare again with that visibility (0 public, 1
// private, 2 protected) and static mark: one that is typed or static, or
// one the new declaration would hide more.
bool phpPropertyForbids(const std::string& className, const std::string& name, int visibility,
                        bool isStatic);
// The arguments the constructor of PHP's class requires; -1 when it has
// none (its parents' counted).
int phpConstructorArguments(const std::string& className);
