#include <cstdio>
#include <cstdlib>
#if defined(__GLIBC__) && !defined(VELP_CHECKED_EXIT)
#include <malloc.h>
#endif

#include <antlr/ANTLRException.hpp>

#include "driver/compile.h"
#include "driver/interrupts.h"
#include "driver/run.h"
#include "emit/leftovers.h"

namespace {

// By the time the driver returns, every file it wrote is closed and renamed
// into place (what an exception may have left is removed); what is left is
// memory, which the system takes back at once.
// Freeing the last run's records one by one at exit would cost more than
// the whole start-up, so the process ends without the exit handlers once
// standard output is flushed. The checked builds (sanitizers) exit as usual,
// so the leak checker still sees every allocation freed.
[[noreturn]] void finish(int code) {
    removeLeftovers();
#ifdef VELP_CHECKED_EXIT
    std::exit(code);
#else
    std::fflush(nullptr);
    std::_Exit(code);
#endif
}

// One compile frees large blocks (the source as read, the tables it
// outgrows) before it needs more: kept in the one heap that every thread
// takes from, they serve again at once instead of coming back from the
// system as fresh pages, each of which costs a fault.
void keepFreedMemory() {
#if defined(__GLIBC__) && !defined(VELP_CHECKED_EXIT)
    mallopt(M_ARENA_MAX, 1);
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
#endif
}

}  // namespace

int main(int argc, char** argv) {
    keepFreedMemory();
    handleEndingSignals();
    int code;
    try {
        code = runDriver(argc, argv, CompileLoops{compileSources, compileWebPages});
    } catch (const antlr::ANTLRException& e) {
        std::printf("Exception in main: %s\n", e.toString().c_str());
        code = 1;
    }
    finish(code);
}
