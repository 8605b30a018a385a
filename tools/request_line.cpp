#include "request_line.h"

#include <charconv>
#include <vector>

#include "compute.h"
#include "other_triangles.h"
#include "request_form.h"

namespace triangle::cli {

namespace {

std::vector<std::string_view> splitOn(std::string_view line, char separator)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const auto end = line.find(separator, start);
        fields.push_back(line.substr(start, end - start));
        if (end == std::string_view::npos)
            return fields;
        start = end + 1;
    }
}

std::vector<std::string_view> splitOnBlanks(std::string_view line)
{
    std::vector<std::string_view> words;
    std::size_t start = line.find_first_not_of(' ');
    while (start != std::string_view::npos) {
        const auto end = line.find(' ', start);
        words.push_back(line.substr(start, end - start));
        start = line.find_first_not_of(' ', end);
    }
    return words;
}

const char *faultName(FaultKind kind)
{
    switch (kind) {
    case FaultKind::DivisionByZero: return "division-by-zero";
    case FaultKind::Overflow: return "overflow";
    case FaultKind::InvalidArgument: return "invalid-argument";
    }
    return "unknown";
}

void appendFields(std::string &line, const RequestForm &form, bool realTriangle)
{
    for (const Quantity q : kAllQuantities) {
        line += '\t';
        line += form.text(q);
    }
    line += realTriangle ? "\ttriangle" : "\tno-triangle";
}

} // namespace

std::variant<Request, LineError> requestFromWords(const std::array<std::string_view, 4> &words)
{
    const std::string_view index = words[0];
    Request request;
    const auto [end, ec] = std::from_chars(index.data(), index.data() + index.size(), request.combination);
    if (index.empty() || ec != std::errc {} || end != index.data() + index.size()
        || !isValidCombination(request.combination)) {
        return LineError {
            "combination index must be a whole number from 0 to 50: '" + std::string(index) + "'"};
    }
    for (std::size_t i = 0; i < request.texts.size(); ++i)
        request.texts[i] = words[i + 1];
    return request;
}

std::variant<Request, LineError> parseRequestLine(std::string_view line)
{
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    const auto fields = line.find('\t') != std::string_view::npos ? splitOn(line, '\t') : splitOnBlanks(line);
    if (fields.size() != 4) {
        return LineError {
            "expected 4 fields (index and three values), found " + std::to_string(fields.size())};
    }
    return requestFromWords({fields[0], fields[1], fields[2], fields[3]});
}

std::string answer(const Request &request, bool otherTriangles)
{
    RequestForm form(request.combination, {request.texts[0], request.texts[1], request.texts[2]});
    Triangle record;
    const Outcome outcome = Compute(record, form, NumberFormat {});
    switch (outcome.status) {
    case Outcome::Status::Invalid: return "invalid";
    case Outcome::Status::Fault: return std::string("fault\t") + faultName(outcome.fault);
    case Outcome::Status::Solved: break;
    }
    std::string lines = "solved";
    appendFields(lines, form, outcome.realTriangle);
    if (!otherTriangles)
        return lines;
    for (const FittingTriangle &other : triangle::otherTriangles(outcome, record)) {
        writeOutput(other.record, form, NumberFormat {});
        lines += "\nalso";
        appendFields(lines, form, true);
    }
    return lines;
}

} // namespace triangle::cli
