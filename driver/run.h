// The whole road of one run of the compiler: option words, names, the
// configuration file, the analysis, the compile loop, running the program.
#pragma once

#include <string>
#include <vector>

// The compile loops; each compiles every file of sourceFiles and returns
// how many it compiled.
struct CompileLoops {
    int (*sources)();
    int (*pages)();
};

// What a new run starts from, once the options and the names are read:
// each layer's run reset, the parser's first (the model frees the records
// last), then the driver's own counts and the files of the run.
void startRun();

// Runs the compiler on the command line; returns the exit code: the errors
// of every file compiled, at most 255.
int runDriver(int argc, char** argv, const CompileLoops& loops);
