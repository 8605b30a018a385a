// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace triangle::web {

// Builds the JSON text the page reads: objects, arrays, UTF-8 strings and
// numbers, the commas put in as the values come.
class JsonText {
public:
    JsonText &beginObject() { return open('{'); }
    JsonText &endObject() { return close('}'); }
    JsonText &beginArray() { return open('['); }
    JsonText &endArray() { return close(']'); }
    // The name of the next value in an object.
    JsonText &key(std::string_view name);

    JsonText &string(std::string_view text);
    // Every digit a double holds; JSON has no infinity or NaN, they are null.
    JsonText &number(double value);
    JsonText &boolean(bool value);

    const std::string &text() const { return m_text; }

private:
    JsonText &open(char bracket);
    JsonText &close(char bracket);
    void beforeValue();
    void quoted(std::string_view text);

    std::string m_text;
    // Per open object or array: whether a value is already in it.
    std::vector<bool> m_filled;
    bool m_afterKey = false;
};

} // namespace triangle::web
