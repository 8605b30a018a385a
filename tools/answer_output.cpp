// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer_output.h"

#include <cerrno>

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

void AnswerOutput::flush()
{
    std::size_t written = 0;
    while (m_error == 0 && written < m_buffer.size()) {
        const ssize_t count = write(m_fd, m_buffer.data() + written, m_buffer.size() - written);
        if (count >= 0)
            written += static_cast<std::size_t>(count);
        else if (errno != EINTR)
            m_error = errno;
    }
    m_buffer.clear();
}

} // namespace triangle::cli
