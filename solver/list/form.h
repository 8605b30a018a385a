// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "solver/triangle/quantity.h"

namespace triangle {

// What the driver needs of the window: the chosen combination, which
// quantities are marked as given, and the nine value fields. The window
// implements it over its widgets; tests and the command-line tool over plain
// strings.
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
    virtual bool isMarkedGiven(Quantity q) const = 0;
    virtual std::string fieldText(Quantity q) const = 0;
    virtual void setFieldText(Quantity q, std::string_view text) = 0;
};

} // namespace triangle
