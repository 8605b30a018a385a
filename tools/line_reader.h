// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace triangle::cli {

// Reads lines from a file descriptor through one buffer of fixed size, so
// that memory stays the same whatever the size of the input.
class LineReader {
public:
    // Lines up to this many bytes (without the line feed) come back whole.
    static constexpr std::size_t kMaxLineLength = 65536;

    struct Line {
        std::string_view text;
        // The line was longer than kMaxLineLength: `text` holds its first
        // kMaxLineLength bytes and the rest is skipped.
        bool overlong = false;
    };

    // `beforeWaiting` runs whenever the reader is about to wait for input
    // that has not arrived yet. Once `stopFd` turns readable the reader
    // reads no more and gives no more lines, not even one that has only
    // partly arrived; -1 for none.
    LineReader(int fd, std::function<void()> beforeWaiting, int stopFd = -1);

    // The next line without its line feed; the last line may lack one.
    // Nothing at the end of the input, after a read error or once stopped.
    // The text stays valid until the next call.
    std::optional<Line> next();

    // The next line when it is already whole in the buffer, without reading
    // or waiting; nothing otherwise. Lines taken this way after a next()
    // stay valid together with its line until the next call of next().
    std::optional<Line> nextBuffered();

    // The errno of a failed read, 0 when reading went well.
    int error() const { return m_error; }

private:
    void fill();
    bool skipRestOfLine();

    int m_fd;
    std::function<void()> m_beforeWaiting;
    int m_stopFd;
    std::vector<char> m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    bool m_skipping = false;
    bool m_atEnd = false;
    bool m_stopped = false;
    int m_error = 0;
};

} // namespace triangle::cli
