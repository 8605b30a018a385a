// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "exact/surd.h"

namespace triangle::exact {

// How an exact number is written: as in a school notebook ("7√3/3",
// "13 + √39", "√(89 − 40√2)") or as plain text a program reads
// ("7*sqrt(3)/3", "13+sqrt(39)", "sqrt(89-40*sqrt(2))").
enum class Notation { School, Plain };

// The texts of a field's nested roots in one notation, as they are first
// written: a field's roots never change, so each is written once.
using RootTexts = std::vector<std::string>;

std::string textOf(const Field &field, const Surd &x, Notation notation, RootTexts *cache = nullptr);

} // namespace triangle::exact
