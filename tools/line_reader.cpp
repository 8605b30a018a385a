// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/line_reader.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <utility>

#include <poll.h>
#include <unistd.h>

namespace triangle::cli {

LineReader::LineReader(int fd, std::function<void()> beforeWaiting, int stopFd)
    : m_fd(fd), m_beforeWaiting(std::move(beforeWaiting)), m_stopFd(stopFd), m_buffer(kMaxLineLength + 1)
{
}

std::optional<LineReader::Line> LineReader::next()
{
    if (m_stopped || (m_skipping && !skipRestOfLine()))
        return std::nullopt;
    // How much of the unfinished line is known to hold no line feed.
    std::size_t searched = 0;
    while (true) {
        const std::string_view pending(m_buffer.data() + m_begin, m_end - m_begin);
        const auto newline = pending.find('\n', searched);
        if (newline != std::string_view::npos) {
            m_begin += newline + 1;
            return Line {pending.substr(0, newline)};
        }
        if (pending.size() > kMaxLineLength) {
            m_skipping = true;
            m_begin = m_end;
            return Line {pending.substr(0, kMaxLineLength), true};
        }
        if (m_atEnd) {
            m_begin = m_end;
            return pending.empty() || m_stopped ? std::nullopt : std::optional<Line>(Line {pending});
        }
        searched = pending.size();
        fill();
    }
}

std::optional<LineReader::Line> LineReader::nextBuffered()
{
    if (m_skipping || m_stopped)
        return std::nullopt;
    const std::string_view pending(m_buffer.data() + m_begin, m_end - m_begin);
    const auto newline = pending.find('\n');
    if (newline == std::string_view::npos)
        return std::nullopt;
    m_begin += newline + 1;
    return Line {pending.substr(0, newline)};
}

// Drops the rest of an overlong line; false when the input ends first.
bool LineReader::skipRestOfLine()
{
    while (true) {
        const std::string_view pending(m_buffer.data() + m_begin, m_end - m_begin);
        const auto newline = pending.find('\n');
        if (newline != std::string_view::npos) {
            m_begin += newline + 1;
            m_skipping = false;
            return true;
        }
        m_begin = m_end;
        if (m_atEnd)
            return false;
        fill();
    }
}

// Moves the unfinished line to the front of the buffer and reads more after
// it. Before a read that would wait, the caller gets its chance to hand on
// what it has: someone may be waiting for that before sending more. The
// reader waits in poll() rather than in read(), so that a stop ends the wait
// whenever it comes.
void LineReader::fill()
{
    std::memmove(m_buffer.data(), m_buffer.data() + m_begin, m_end - m_begin);
    m_end -= m_begin;
    m_begin = 0;
    std::array<pollfd, 2> watched {pollfd {m_fd, POLLIN, 0}, pollfd {m_stopFd, POLLIN, 0}};
    // Whether input or the stop is there; false too when a signal cut the
    // look short, and then the caller looks again.
    const auto look = [&watched](int timeout) {
        for (pollfd &one : watched)
            one.revents = 0;
        return poll(watched.data(), watched.size(), timeout) > 0;
    };
    bool ready = look(0);
    if (!ready)
        m_beforeWaiting();
    while (true) {
        if (watched[1].revents != 0) {
            m_stopped = true;
            m_atEnd = true;
            return;
        }
        if (!ready) {
            ready = look(-1);
            continue;
        }
        const ssize_t count = read(m_fd, m_buffer.data() + m_end, m_buffer.size() - m_end);
        if (count > 0) {
            m_end += static_cast<std::size_t>(count);
            return;
        }
        // A signal came, or standard input is non-blocking from whoever
        // started us: wait again, for input or the stop.
        if (count < 0 && (errno == EINTR || errno == EAGAIN)) {
            ready = false;
            continue;
        }
        m_error = count < 0 ? errno : 0;
        m_atEnd = true;
        return;
    }
}

} // namespace triangle::cli
