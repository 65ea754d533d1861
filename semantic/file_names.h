// The names of the file being compiled. The driver sets them; the reporters
// (source name), the start rules (target name), the symbols (base name) and
// the include translator (PHP extension) and the extern prototypes (main
// file) read them.
#pragma once

#include <string>

extern std::string sourceFileName;   // source being analysed or compiled, with ".vel"
extern std::string targetFileName;   // its PHP file
extern std::string baseName;         // source name without ".vel"
extern std::string phpExtension;     // ".php"
extern bool isMainFile;              // the file named on the command line (or a page)
