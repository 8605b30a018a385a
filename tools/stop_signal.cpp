// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/stop_signal.h"

#include <array>
#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace triangle::cli {

namespace {

// A signal handler reaches nothing but globals.
// NOLINTBEGIN(cppcoreguidelines-avoid-non-const-global-variables)
volatile std::sig_atomic_t g_stopSignal = 0;
// Written by the handler: the flag alone would leave a race between looking
// at it and starting to wait.
int g_wakeRead = -1;
int g_wakeWrite = -1;
// NOLINTEND(cppcoreguidelines-avoid-non-const-global-variables)

extern "C" void onStopSignal(int signal)
{
    if (g_stopSignal != 0) {
        // Blocked while we run, so it is taken with the default action as
        // soon as we return.
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    const int savedErrno = errno;
    g_stopSignal = signal;
    // Non-blocking: a full pipe is readable already.
    const char wake = 0;
    [[maybe_unused]] const ssize_t written = write(g_wakeWrite, &wake, 1);
    errno = savedErrno;
}

} // namespace

void catchStopSignals()
{
    std::array<int, 2> wake {};
    if (pipe2(wake.data(), O_NONBLOCK | O_CLOEXEC) != 0)
        return;
    g_wakeRead = wake[0];
    g_wakeWrite = wake[1];
    constexpr std::array kStopSignals {SIGTERM, SIGINT};
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    // No SA_RESTART: a read that waits is to end at once.
    action.sa_flags = 0;
    sigemptyset(&action.sa_mask);
    for (const int signal : kStopSignals)
        sigaddset(&action.sa_mask, signal);
    for (const int signal : kStopSignals) {
        struct sigaction previous {};
        if (sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler != SIG_IGN)
            sigaction(signal, &action, nullptr);
    }
}

int stopSignal() { return g_stopSignal; }

int stopSignalFd() { return g_wakeRead; }

} // namespace triangle::cli
