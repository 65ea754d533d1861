#include "driver/interrupts.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <poll.h>
#include <unistd.h>

#include "emit/leftovers.h"

namespace {

// Removes what the run made, then ends it as the signal would have.
extern "C" void endRun(int signal)
{
    removeLeftovers();
    struct sigaction plain = {};
    plain.sa_handler = SIG_DFL;
    sigemptyset(&plain.sa_mask);
    sigaction(signal, &plain, nullptr);
    // delivered when the handler returns, the signal being blocked here
    raise(signal);
}

// Caught, so that a write past a file-size limit fails with EFBIG and is
// reported, where the signal's own action would end the run at once.
extern "C" void ignoreFileSizeLimit(int) {}

void install(int signal, void (*handler)(int))
{
    struct sigaction old;
    if (sigaction(signal, nullptr, &old) != 0 || old.sa_handler == SIG_IGN)
        return;
    struct sigaction action = {};
    action.sa_handler = handler;
    action.sa_mask = endingSignals();
    action.sa_flags = SA_RESTART;
    sigaction(signal, &action, nullptr);
}

}  // namespace

void handleEndingSignals()
{
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE})
        install(signal, endRun);
    install(SIGXFSZ, ignoreFileSizeLimit);
}

void endRunIfOutputClosed()
{
    std::fflush(stdout);
    if (!std::ferror(stdout))
        return;
    // A pipe whose reading end is closed polls as an error.
    struct pollfd out = {STDOUT_FILENO, POLLOUT, 0};
    if (poll(&out, 1, 0) != 1 || !(out.revents & POLLERR))
        return;
    removeLeftovers();
    std::_Exit(1);
}
