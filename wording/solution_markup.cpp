// SPDX-License-Identifier: GPL-3.0-or-later
#include "wording/solution_markup.h"

#include <cctype>

#include "solver/triangle/quantity.h"

namespace triangle::wording {

namespace {

bool isWordCharacter(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }

// The name with an index ("h_a") that starts at `at`, standing on its own
// or after a coefficient ("4m_c²"), or an empty view.
std::string_view indexedNameAt(std::string_view text, std::size_t at)
{
    if (at > 0 && isWordCharacter(text[at - 1])
        && std::isdigit(static_cast<unsigned char>(text[at - 1])) == 0)
        return {};
    for (const Quantity q : kMoreElements) {
        const std::string_view name = tagOf(q);
        const std::size_t end = at + name.size();
        if (name.find('_') != std::string_view::npos && text.substr(at).starts_with(name)
            && (end == text.size() || !isWordCharacter(text[end])))
            return name;
    }
    return {};
}

void appendEscaped(std::string &markup, char c)
{
    switch (c) {
    case '&': markup += "&amp;"; break;
    case '<': markup += "&lt;"; break;
    case '>': markup += "&gt;"; break;
    case '"': markup += "&quot;"; break;
    case '\'': markup += "&#39;"; break;
    default: markup += c;
    }
}

// "h_a" as h, an unseen "_", and a subscript a.
void appendIndexed(std::string &markup, std::string_view name, bool unseenMark)
{
    const std::size_t mark = name.find('_');
    markup += std::string(name.substr(0, mark));
    if (unseenMark)
        markup += "<span class=\"" + std::string(kUnseenClass) + "\">_</span>";
    markup += "<sub>" + std::string(name.substr(mark + 1)) + "</sub>";
}

std::string markedUp(std::string_view plain, bool unseenMarks)
{
    std::string text;
    text.reserve(plain.size() + plain.size() / 4);
    for (std::size_t at = 0; at < plain.size();) {
        if (const std::string_view name = indexedNameAt(plain, at); !name.empty()) {
            appendIndexed(text, name, unseenMarks);
            at += name.size();
        } else {
            appendEscaped(text, plain[at++]);
        }
    }
    return text;
}

} // namespace

std::string solutionMarkup(std::string_view plain) { return markedUp(plain, true); }

std::string paperMarkup(std::string_view plain) { return markedUp(plain, false); }

} // namespace triangle::wording
