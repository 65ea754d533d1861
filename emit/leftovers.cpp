#include "emit/leftovers.h"

#include <atomic>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Slot {
    std::atomic<bool> named{false};
    int fd = -1;
    char path[PATH_MAX + 1];
};

Slot slots[3];

// Changes under way, and whether the run is being ended: a change checks
// `ending` after counting itself, the end sets it before waiting for the
// count, so either the change sees the end or the end sees the change.
std::atomic<int> changing{0};
std::atomic<bool> ending{false};

Slot& slotOf(Leftover kind) { return slots[static_cast<int>(kind)]; }

}  // namespace

sigset_t endingSignals()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGHUP);
    sigaddset(&set, SIGPIPE);
    return set;
}

LeftoverChange::LeftoverChange()
{
    sigset_t set = endingSignals();
    pthread_sigmask(SIG_BLOCK, &set, &saved_);
    changing.fetch_add(1);
    if (ending.load()) {
        changing.fetch_sub(1);
        for (;;)
            pause();
    }
}

LeftoverChange::~LeftoverChange()
{
    changing.fetch_sub(1);
    pthread_sigmask(SIG_SETMASK, &saved_, nullptr);
}

bool trackLeftover(Leftover kind, const char* path, int fd)
{
    Slot& slot = slotOf(kind);
    size_t length = std::strlen(path);
    if (length > PATH_MAX)
        return false;
    std::memcpy(slot.path, path, length + 1);
    slot.fd = fd;
    slot.named.store(true);
    return true;
}

void forgetLeftover(Leftover kind) { slotOf(kind).named.store(false); }

void removeLeftovers()
{
    ending.store(true);
    while (changing.load() != 0) {
        // another thread is making or renaming a file: it is named or gone
        // in a moment
    }
    for (Slot& slot : slots) {
        if (!slot.named.exchange(false))
            continue;
        if (slot.fd >= 0) {
            ftruncate(slot.fd, 0);
            const struct timespec epoch[2] = {{0, 0}, {0, 0}};
            futimens(slot.fd, epoch);
        } else {
            unlink(slot.path);
        }
    }
}
