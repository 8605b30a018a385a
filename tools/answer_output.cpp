// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/answer_output.h"

#include <cerrno>

#include <poll.h>
#include <unistd.h>

namespace triangle::cli {

AnswerOutput::AnswerOutput(int fd) : m_fd(fd), m_everyAnswer(isatty(fd) == 1)
{
    // Room for a full chunk and the answer that overfills it.
    m_buffer.reserve(2 * kChunk);
}

void AnswerOutput::answered()
{
    if (m_everyAnswer || m_buffer.size() >= kChunk)
        flush();
}

void AnswerOutput::append(std::string_view answers)
{
    if (m_buffer.size() + answers.size() > m_buffer.capacity()) {
        flush();
        if (answers.size() >= kChunk) {
            write(answers);
            return;
        }
    }
    m_buffer += answers;
    answered();
}

void AnswerOutput::flush()
{
    write(m_buffer);
    m_buffer.clear();
}

void AnswerOutput::write(std::string_view bytes)
{
    while (m_error == 0 && !bytes.empty()) {
        const ssize_t count = ::write(m_fd, bytes.data(), bytes.size());
        if (count >= 0) {
            bytes.remove_prefix(static_cast<std::size_t>(count));
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            // Standard output may come non-blocking from whoever started
            // us; the reader is only slower than we are.
            pollfd output {m_fd, POLLOUT, 0};
            poll(&output, 1, -1);
        } else if (errno != EINTR) {
            m_error = errno;
        }
    }
}

} // namespace triangle::cli
