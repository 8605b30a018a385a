// SPDX-License-Identifier: GPL-3.0-or-later
#include "wording/language.h"

namespace triangle::wording {

namespace {

bool startsWithCode(std::string_view name, std::string_view code)
{
    if (!name.starts_with(code))
        return false;
    const std::string_view rest = name.substr(code.size());
    return rest.empty() || rest.front() == '_' || rest.front() == '-' || rest.front() == '.'
        || rest.front() == '@';
}

} // namespace

std::string filled(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    std::string text(pattern);
    char number = '1';
    for (const std::string_view value : values) {
        const std::string marker {'%', number++};
        if (const auto at = text.find(marker); at != std::string::npos)
            text.replace(at, marker.size(), value);
    }
    return text;
}

const Language *languageFor(std::string_view localeName)
{
    for (const Language *language : kLanguages) {
        if (startsWithCode(localeName, language->code))
            return language;
    }
    return nullptr;
}

} // namespace triangle::wording
