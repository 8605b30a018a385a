// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/line_answers.h"

#include <algorithm>
#include <csignal>
#include <exception>
#include <new>

#include <pthread.h>
#include <sys/resource.h>

#include "tools/plain_request.h"
#include "tools/stop_signal.h"
#include "wording/text_echo.h"

namespace triangle::cli {

namespace {

// Below this many lines a slice is not worth a core of its own.
constexpr std::size_t kLinesPerSlice = 256;

// A thread of its own takes address space for its stack (RLIMIT_STACK, 8 MiB
// by default) and for its malloc arena, 64 MiB cut from a 128 MiB mapping.
// Where a limit leaves no room for those, the thread gets no arena and each
// of its allocations maps memory of its own, many times slower than
// answering on fewer threads.
constexpr rlim_t kAddressSpacePerThread = rlim_t {256} << 20;

std::size_t workerCount()
{
    const std::size_t cores = std::max(1U, std::thread::hardware_concurrency());
    rlimit addressSpace {};
    if (getrlimit(RLIMIT_AS, &addressSpace) != 0 || addressSpace.rlim_cur == RLIM_INFINITY)
        return cores - 1;
    // The calling thread and the program itself take the first share.
    const rlim_t threads = std::max<rlim_t>(addressSpace.rlim_cur / kAddressSpacePerThread, 1);
    return std::min<std::size_t>(cores, threads) - 1;
}

// Threads started while one lives take no signals: those sent to the
// process reach the calling thread, the one that reads, which can then stop
// at a line boundary.
class SignalsBlocked {
public:
    SignalsBlocked()
    {
        sigset_t all;
        sigfillset(&all);
        pthread_sigmask(SIG_BLOCK, &all, &m_previous);
    }
    SignalsBlocked(const SignalsBlocked &) = delete;
    SignalsBlocked(SignalsBlocked &&) = delete;
    SignalsBlocked &operator=(const SignalsBlocked &) = delete;
    SignalsBlocked &operator=(SignalsBlocked &&) = delete;
    ~SignalsBlocked() { pthread_sigmask(SIG_SETMASK, &m_previous, nullptr); }

private:
    sigset_t m_previous {};
};

std::variant<Request, LineError> parsedLine(const LineReader::Line &line)
{
    if (line.overlong) {
        return LineError {&wording::CommandLineErrors::tooLong,
            {std::to_string(LineReader::kMaxLineLength), wording::echo(line.text)}};
    }
    return parseRequestLine(line.text);
}

// appendResponse() for a line: a request of the list with no option in the
// form batches write goes straight from its text to its answer, any other
// line through a Request.
bool appendLineResponse(std::string &out, const LineReader::Line &line, AnswerOptions options)
{
    const auto plain = !line.overlong && options.plain() ? plainRequestLine(line.text) : std::nullopt;
    if (!plain)
        return appendResponse(out, parsedLine(line), options);
    const std::size_t before = out.size();
    try {
        appendPlainAnswer(out, plain->combination, plain->texts);
        out += '\n';
        return true;
    } catch (...) {
        out.resize(before);
        throw;
    }
}

} // namespace

bool appendResponse(std::string &out, const std::variant<Request, LineError> &parsed, AnswerOptions options)
{
    const std::size_t before = out.size();
    try {
        const auto *error = std::get_if<LineError>(&parsed);
        if (error != nullptr) {
            out += "error\t";
            out += error->message(*options.language);
        } else {
            appendAnswer(out, std::get<Request>(parsed), options);
        }
        out += '\n';
        return error == nullptr;
    } catch (...) {
        out.resize(before);
        throw;
    }
}

LineAnswers::LineAnswers(AnswerOptions options)
    : m_options(options), m_slices(workerCount()), m_meeting(static_cast<std::ptrdiff_t>(m_slices.size() + 1))
{
    const SignalsBlocked forTheWorkers;
    try {
        m_workers.reserve(m_slices.size());
        for (std::size_t slice = 0; slice < m_slices.size(); ++slice)
            m_workers.emplace_back([this, &mine = m_slices.at(slice)] { work(mine); });
    } catch (const std::exception &) {
        // No more threads, or no memory for them: go on with those that
        // started, and stop waiting for the others at the meetings.
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
        try {
            for (const LineReader::Line &line : mine.lines)
                mine.wellFormed &= appendLineResponse(mine.answers, line, m_options);
        } catch (const std::bad_alloc &) {
            // Handed on to the calling thread, with the answers made before.
            mine.outOfMemory = true;
        }
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
            m_slices.at(slice).outOfMemory = false;
        }
        m_meeting.arrive_and_wait();
    }
    bool allWellFormed = true;
    // Whether the answers so far cover their lines without a gap, so that
    // the next slice's may follow them.
    bool whole = true;
    bool outOfMemory = false;
    try {
        for (const LineReader::Line &line : part(0)) {
            if (stopSignal() != 0) {
                whole = false;
                break;
            }
            allWellFormed &= appendLineResponse(output.buffer(), line, m_options);
            output.answered();
        }
    } catch (const std::bad_alloc &) {
        // The workers are met all the same, or they would wait for ever.
        whole = false;
        outOfMemory = true;
    }
    if (shared) {
        m_meeting.arrive_and_wait();
        for (std::size_t slice = 0; whole && slice < m_slices.size(); ++slice) {
            output.append(m_slices.at(slice).answers);
            allWellFormed &= m_slices.at(slice).wellFormed;
            outOfMemory = m_slices.at(slice).outOfMemory;
            whole = !outOfMemory;
        }
    }
    if (outOfMemory)
        throw std::bad_alloc();
    return allWellFormed;
}

} // namespace triangle::cli
