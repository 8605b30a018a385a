// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the page's HTML, or its web app manifest, from a template: a line
// "<!-- words: NAME -->" becomes one paragraph of that text in each
// language, in the program's language tables (a "%1" left for the script to
// fill is dropped), and "{{NAME}}" within a line that text in the first
// language, the default, escaped for HTML or, in a .webmanifest, for JSON,
// where the template's lines that start with "//" are its comments, left
// out. Anything else is copied as it is. Run under node when the page is built,
// so that the site holds no words of its own.
//
//     page-words TEMPLATE OUTPUT
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "wording/language.h"

namespace {

constexpr std::string_view kMarkerStart = "<!-- words: ";
constexpr std::string_view kMarkerEnd = " -->";

std::string escaped(std::string_view text)
{
    std::string html;
    for (const char ch : text) {
        switch (ch) {
        case '&': html += "&amp;"; break;
        case '<': html += "&lt;"; break;
        case '>': html += "&gt;"; break;
        default: html += ch;
        }
    }
    return html;
}

std::string jsonEscaped(std::string_view text)
{
    std::string json;
    for (const char ch : text) {
        if (ch == '"' || ch == '\\')
            json += '\\';
        json += ch;
    }
    return json;
}

std::string_view textNamed(const triangle::wording::Language &language, std::string_view name)
{
    for (const triangle::wording::NamedText &text : triangle::wording::allTexts(language)) {
        if (text.name == name)
            return text.text;
    }
    return {};
}

// One paragraph a language, each marked with its language.
bool writeWords(std::ostream &out, std::string_view name)
{
    for (const triangle::wording::Language *language : triangle::wording::kLanguages) {
        std::string text(textNamed(*language, name));
        if (text.empty())
            return false;
        if (const auto filled = text.find("%1"); filled != std::string::npos)
            text.erase(filled, 2);
        while (text.ends_with(' '))
            text.pop_back();
        out << "<p lang=\"" << language->code << "\">" << escaped(text) << "</p>\n";
    }
    return true;
}

// The line with each "{{NAME}}" filled in; false where a name has no text.
bool fillInline(std::string &line, bool json)
{
    for (auto start = line.find("{{"); start != std::string::npos; start = line.find("{{", start)) {
        const auto end = line.find("}}", start);
        if (end == std::string::npos)
            return true;
        const std::string_view name = std::string_view(line).substr(start + 2, end - start - 2);
        const std::string_view text = textNamed(*triangle::wording::kLanguages.front(), name);
        if (text.empty()) {
            std::cerr << "page-words: no text named " << name << '\n';
            return false;
        }
        const std::string filled = json ? jsonEscaped(text) : escaped(text);
        line.replace(start, end + 2 - start, filled);
        start += filled.size();
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::cerr << "usage: page-words TEMPLATE OUTPUT\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    std::ofstream out(argv[2]);
    if (!in || !out) {
        std::cerr << "page-words: cannot open " << (in ? argv[2] : argv[1]) << '\n';
        return 1;
    }
    const bool json = std::string_view(argv[2]).ends_with(".webmanifest");
    for (std::string line; std::getline(in, line);) {
        if (json && line.starts_with("//"))
            continue;
        if (!fillInline(line, json))
            return 1;
        const std::string_view text = line;
        if (text.starts_with(kMarkerStart) && text.ends_with(kMarkerEnd)) {
            const std::string_view name
                = text.substr(kMarkerStart.size(), text.size() - kMarkerStart.size() - kMarkerEnd.size());
            if (!writeWords(out, name)) {
                std::cerr << "page-words: no text named " << name << '\n';
                return 1;
            }
            continue;
        }
        out << line << '\n';
    }
    return out ? 0 : 1;
}
