// Process-wide state of the compiler driver: its options and flags. The
// names of the file being compiled live with the model (semantic/file_names.h).
#pragma once

#include <string>

#include "semantic/file_names.h"

extern std::string tempFileName;     // prepared copy handed to the lexer
extern const char* const keptTempFileName;   // its name when option "~" keeps it

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
