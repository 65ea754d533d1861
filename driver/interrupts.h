// How a run that is ended before its time still leaves nothing of its own
// behind: the signals that end it (SIGINT, SIGTERM, SIGHUP, SIGPIPE) and a
// closed output pipe remove the prepared copy and the target being written
// first (emit/leftovers.h).
#pragma once

// Installs the handlers of the ending signals (a signal the run was started
// with ignored stays ignored). A file-size limit then makes a write fail, a
// failed write the run reports, instead of ending the run on the spot.
void handleEndingSignals();

// Ends the run (exit code 1), its files removed, when a write to standard
// output failed because the pipe it goes to has no reader any more: the
// EPIPE a closed pipe gives when SIGPIPE is ignored.
void endRunIfOutputClosed();
