// Files a run makes for a while and removes again: the prepared copy of the
// file being compiled and the target being written. They are named here, so
// that a signal or a closed output that ends the run removes them first and
// nothing of the run's own is left behind.
#pragma once

#include <csignal>

enum class Leftover {
    preparedCopy,      // removed
    targetTemporary,   // removed: the target keeps what it had
    targetInPlace,     // written in place (a folder that takes no new file): emptied
};

// The signals that end a run, which remove the leftovers first.
sigset_t endingSignals();

// A file of the run being made and named, or renamed and forgotten: while
// one is under way, the ending signals wait in this thread, and a run being
// ended in another waits for it. Once a run is being ended, no new change
// begins (the thread waits for the end there).
class LeftoverChange {
public:
    LeftoverChange();
    ~LeftoverChange();
    LeftoverChange(const LeftoverChange&) = delete;
    LeftoverChange& operator=(const LeftoverChange&) = delete;

private:
    sigset_t saved_;
};

// Inside a LeftoverChange: `path` is now a file of the run (for
// targetInPlace, `fd` is the target open for writing). False, with nothing
// named, when the path is too long to be kept.
bool trackLeftover(Leftover kind, const char* path, int fd = -1);
void forgetLeftover(Leftover kind);

// Removes every file still named: a temporary is deleted, a target written
// in place is emptied and dated to the epoch, so that the next run finds it
// stale. Makes only calls that are safe in a signal handler; waits for a
// change under way in another thread, and none begins after it.
void removeLeftovers();
