// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace triangle::cli {

// Where the answers go: one buffer of about kChunk bytes in front of a file
// descriptor. It is written out when it fills, after every answer when the
// output is a terminal, and whenever the owner calls flush(). The answers go
// in whole, so whatever has been written ends at a line boundary.
class AnswerOutput {
public:
    static constexpr std::size_t kChunk = 65536;

    explicit AnswerOutput(int fd);

    // Answers are appended here, each followed by a call to answered().
    std::string &buffer() { return m_buffer; }
    void answered();

    // Many whole answers at once. What does not fit the buffer is written
    // straight from `answers`, so the buffer never grows for them.
    void append(std::string_view answers);

    // Writes the buffer in full, waiting for a non-blocking descriptor to
    // take more where it has to.
    void flush();

    // The errno of a failed write, 0 while writing goes well. After a
    // failure nothing more is written.
    int error() const { return m_error; }

private:
    void write(std::string_view bytes);

    int m_fd;
    bool m_everyAnswer;
    std::string m_buffer;
    int m_error = 0;
};

} // namespace triangle::cli
