// Process-wide state of the compiler driver. The translator reads the names
// and the main-file mark; the flags and the rest are the driver's own.
#pragma once

#include <string>

extern std::string sourceFileName;   // source being analysed or compiled, with ".vel"
extern std::string targetFileName;   // its PHP file
extern std::string baseName;         // source name without ".vel"
extern bool isMainFile;              // the file named on the command line (or a page)
extern std::string newPrefix;        // "new "
extern std::string phpExtension;     // ".php"
extern std::string tempFileName;     // prepared copy handed to the lexer

extern int quiet;          // option q
extern int verbose;        // option v
extern int rebuildAll;     // options b and c
extern int keepTemp;       // option ~: the prepared copy is not deleted
extern int upToDate;       // every target analysed so far is up to date
extern int hasRun;         // the PHP program of a source file was started
extern bool bannerShown;   // the version banner has been printed

// Errors of every file compiled in this run; the exit code and the run test
// read it, since errorCount only holds the last file's.
extern int totalErrors;
