// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/value_line.h"

#include <string_view>

#include "solver/numbers/number_formatting.h"
#include "solver/numbers/ten_thousandths.h"

namespace triangle::cli {

namespace {

void appendVerdict(std::string &out, bool real)
{
    out += real ? std::string_view("\ttriangle") : std::string_view("\tno-triangle");
}

} // namespace

void appendValueLine(std::string &out, const FieldValues &values, bool real)
{
    std::size_t end = out.size();
    out.resize(end + values.size() * (1 + kShortResultRoom));
    for (const Real::Value value : values) {
        out[end++] = '\t';
        if (const char *written = writeShortResult(out.data() + end, value)) {
            end = static_cast<std::size_t>(written - out.data());
        } else {
            const std::string text = formatResult(value, NumberFormat {});
            out.insert(end, text);
            end += text.size();
        }
    }
    out.resize(end);
    appendVerdict(out, real);
}

void appendShownLine(std::string &out, const RoundedValues &shown, bool real)
{
    std::size_t end = out.size();
    out.resize(end + shown.size() * (1 + kShortResultRoom));
    for (const TenThousandths value : shown) {
        out[end++] = '\t';
        end = static_cast<std::size_t>(writeTenThousandths(out.data() + end, value) - out.data());
    }
    out.resize(end);
    appendVerdict(out, real);
}

} // namespace triangle::cli
