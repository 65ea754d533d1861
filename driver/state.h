// Process-wide state of the compiler driver that the translator reads.
#pragma once

#include <string>

extern std::string sourceFileName;   // source being compiled, with ".vel"
extern std::string targetFileName;   // its PHP file
extern std::string baseName;         // source name without ".vel"
extern bool isMainFile;              // the file named on the command line (or a page)
extern std::string newPrefix;        // "new "
extern std::string phpExtension;     // ".php"
