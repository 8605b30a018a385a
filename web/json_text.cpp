// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/json_text.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace triangle::web {

JsonText &JsonText::key(std::string_view name)
{
    beforeValue();
    quoted(name);
    m_text += ':';
    m_afterKey = true;
    return *this;
}

JsonText &JsonText::string(std::string_view text)
{
    beforeValue();
    quoted(text);
    return *this;
}

JsonText &JsonText::number(double value)
{
    beforeValue();
    if (!std::isfinite(value)) {
        m_text += "null";
        return *this;
    }
    // Seventeen significant digits read back as the same double.
    std::array<char, 32> digits {};
    const int length = std::snprintf(digits.data(), digits.size(), "%.17g", value); // NOLINT(*-vararg)
    m_text.append(digits.data(), static_cast<std::size_t>(length));
    return *this;
}

JsonText &JsonText::boolean(bool value)
{
    beforeValue();
    m_text += value ? "true" : "false";
    return *this;
}

JsonText &JsonText::open(char bracket)
{
    beforeValue();
    m_text += bracket;
    m_filled.push_back(false);
    return *this;
}

JsonText &JsonText::close(char bracket)
{
    m_text += bracket;
    m_filled.pop_back();
    return *this;
}

void JsonText::beforeValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_filled.empty())
        return;
    if (m_filled.back())
        m_text += ',';
    m_filled.back() = true;
}

void JsonText::quoted(std::string_view text)
{
    m_text += '"';
    for (const char ch : text) {
        if (ch == '"' || ch == '\\') {
            m_text += '\\';
            m_text += ch;
        } else if (static_cast<unsigned char>(ch) < 0x20) {
            constexpr std::string_view kHex = "0123456789abcdef";
            const auto code = static_cast<unsigned char>(ch);
            m_text += "\\u00";
            m_text += kHex[code / 16];
            m_text += kHex[code % 16];
        } else {
            m_text += ch;
        }
    }
    m_text += '"';
}

} // namespace triangle::web
