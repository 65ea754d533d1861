#include <cstdio>

#include <antlr/ANTLRException.hpp>

#include "driver/compile.h"
#include "driver/run.h"

int main(int argc, char** argv) {
    try {
        return runDriver(argc, argv, CompileLoops{compileSources, compileWebPages});
    } catch (const antlr::ANTLRException& e) {
        std::printf("Exception in main: %s\n", e.toString().c_str());
        return 1;
    }
}
