// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace triangle::cli {

// SIGTERM and SIGINT ask the tool to stop at a line boundary: it reads no
// more, writes out the whole answers it has and exits with 128 + the signal.
// A second one ends it at once, as the default action would, for an output
// that is never read. A signal ignored from the start stays ignored.
void catchStopSignals();

// The signal that asked to stop, 0 while none has.
int stopSignal();

// Turns readable when a stop signal comes, so that whoever waits for input
// can wait for it too; -1 before catchStopSignals() or when it found no
// descriptor to spare, and then the signals keep their default action.
int stopSignalFd();

} // namespace triangle::cli
