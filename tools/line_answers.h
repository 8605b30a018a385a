// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <barrier>
#include <cstdint>
#include <span>
#include <string>
#include <thread>
#include <variant>
#include <vector>

#include "tools/answer_output.h"
#include "tools/line_reader.h"
#include "tools/request_line.h"

namespace triangle::cli {

// Appends the answer to a request, or the error line of a malformed one,
// with its line feed; returns whether the request was well formed. When it
// throws, `out` is left as it was, so it holds whole answers only.
bool appendResponse(std::string &out, const std::variant<Request, LineError> &parsed, AnswerOptions options);

// Answers lines in their order. Many lines at once are shared out among the
// processor's cores: the calling thread answers the first slice straight
// into the output, one thread a core the others into buffers of their own,
// appended after it. A few lines go one by one, each handed to the output as
// soon as it is answered. The threads live as long as the object, so that
// each batch costs no thread start. Under a limit on the address space
// there are only as many as fit, none under a small one.
class LineAnswers {
public:
    explicit LineAnswers(AnswerOptions options);
    // The workers hold on to the object.
    LineAnswers(const LineAnswers &) = delete;
    LineAnswers(LineAnswers &&) = delete;
    LineAnswers &operator=(const LineAnswers &) = delete;
    LineAnswers &operator=(LineAnswers &&) = delete;
    ~LineAnswers();

    // Returns whether every line was well formed. Once a stop signal has
    // come it answers no more lines, and hands on only answers that follow
    // on from the last one given without a gap. Out of memory, in any
    // thread, it hands on the whole answers it has in the same way and
    // throws std::bad_alloc.
    bool answer(std::span<const LineReader::Line> lines, AnswerOutput &output);

private:
    struct Slice {
        std::span<const LineReader::Line> lines;
        std::string answers;
        bool wellFormed = true;
        // The answers stop short of the slice's end for want of memory.
        bool outOfMemory = false;
    };

    void work(Slice &mine);

    AnswerOptions m_options;
    std::vector<Slice> m_slices; // the workers' slices, one each
    // Every worker and the calling thread meet here twice a batch: once to
    // start, once when all slices are answered.
    std::barrier<> m_meeting;
    bool m_stopping = false;
    std::vector<std::jthread> m_workers;
};

} // namespace triangle::cli
