// SPDX-License-Identifier: GPL-3.0-or-later
#include "line_answers.h"

#include <algorithm>
#include <system_error>

#include "text_echo.h"

namespace triangle::cli {

namespace {

// Below this many lines a slice is not worth a core of its own.
constexpr std::size_t kLinesPerSlice = 256;

std::size_t workerCount() { return std::max(1U, std::thread::hardware_concurrency()) - 1; }

std::variant<Request, LineError> parsedLine(const LineReader::Line &line)
{
    if (line.overlong) {
        return LineError {"line longer than " + std::to_string(LineReader::kMaxLineLength) + " bytes: '"
            + wording::echo(line.text) + "'"};
    }
    return parseRequestLine(line.text);
}

} // namespace

bool appendResponse(std::string &out, const std::variant<Request, LineError> &parsed, AnswerOptions options)
{
    const auto *error = std::get_if<LineError>(&parsed);
    if (error != nullptr) {
        out += "error\t";
        out += error->message;
    } else {
        appendAnswer(out, std::get<Request>(parsed), options);
    }
    out += '\n';
    return error == nullptr;
}

LineAnswers::LineAnswers(AnswerOptions options)
    : m_options(options), m_slices(workerCount()), m_meeting(static_cast<std::ptrdiff_t>(m_slices.size() + 1))
{
    try {
        for (std::size_t slice = 0; slice < m_slices.size(); ++slice)
            m_workers.emplace_back([this, &mine = m_slices.at(slice)] { work(mine); });
    } catch (const std::system_error &) {
        // No more threads to be had: go on with those that started, and
        // stop waiting for the others at the meetings.
        for (std::size_t missing = m_workers.size(); missing < m_slices.size(); ++missing)
            m_meeting.arrive_and_drop();
        m_slices.resize(m_workers.size());
    }
}

LineAnswers::~LineAnswers()
{
    m_stopping = true;
    m_meeting.arrive_and_wait();
}

void LineAnswers::work(Slice &mine)
{
    while (true) {
        m_meeting.arrive_and_wait();
        if (m_stopping)
            return;
        for (const LineReader::Line &line : mine.lines)
            mine.wellFormed &= appendResponse(mine.answers, parsedLine(line), m_options);
        m_meeting.arrive_and_wait();
    }
}

bool LineAnswers::answer(std::span<const LineReader::Line> lines, AnswerOutput &output)
{
    const std::size_t parts = std::clamp<std::size_t>(lines.size() / kLinesPerSlice, 1, m_slices.size() + 1);
    const auto part = [&](std::size_t k) {
        const std::size_t begin = k * lines.size() / parts;
        const std::size_t end = (k + 1) * lines.size() / parts;
        return lines.subspan(begin, end - begin);
    };
    const bool shared = parts > 1;
    if (shared) {
        for (std::size_t slice = 0; slice < m_slices.size(); ++slice) {
            m_slices.at(slice).lines
                = slice + 1 < parts ? part(slice + 1) : std::span<const LineReader::Line> {};
            m_slices.at(slice).answers.clear();
            m_slices.at(slice).wellFormed = true;
        }
        m_meeting.arrive_and_wait();
    }
    bool allWellFormed = true;
    for (const LineReader::Line &line : part(0)) {
        allWellFormed &= appendResponse(output.buffer(), parsedLine(line), m_options);
        output.answered();
    }
    if (shared) {
        m_meeting.arrive_and_wait();
        for (const Slice &slice : m_slices) {
            output.buffer() += slice.answers;
            output.answered();
            allWellFormed &= slice.wellFormed;
        }
    }
    return allWellFormed;
}

} // namespace triangle::cli
