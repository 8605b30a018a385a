// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace triangle {

// What the driver needs of the window: the chosen combination, which
// quantities are marked as given, and the nine value fields (0..7 the
// quantities A, B, C, a, b, c, S, R; 8 the perimeter). The window implements
// it over its widgets; tests and the command-line tool over plain strings.
class Form {
public:
    Form() = default;
    Form(const Form &) = default;
    Form(Form &&) = default;
    Form &operator=(const Form &) = default;
    Form &operator=(Form &&) = default;
    virtual ~Form() = default;

    // The selected combination index, or -1 with no selection.
    virtual int selectedCombination() const = 0;
    virtual bool isMarkedGiven(int position) const = 0;
    virtual std::string fieldText(int position) const = 0;
    virtual void setFieldText(int position, std::string_view text) = 0;
};

} // namespace triangle
