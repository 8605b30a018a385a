// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a manual page from its template: a line holding only one of the
// markers below is replaced by the table of combinations or of the rules of
// the step lines, built from the solver's own tables. Any other line is
// copied as it is.
//
//     triangle-manual-page TEMPLATE OUTPUT
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "solver/elements/element_set.h"
#include "solver/list/catalogue.h"
#include "solver/steps/rule.h"

namespace {

constexpr std::string_view kMarker = ".\\\" <combination table>";
constexpr std::string_view kRuleMarker = ".\\\" <rule table>";
constexpr std::string_view kSetMarker = ".\\\" <element set table>";
constexpr int kColumns = 3;
constexpr int kRows = (triangle::kCombinationCount + kColumns - 1) / kColumns;

// "A, B, a": the given quantities of one combination in field order.
std::string givenQuantities(int combination)
{
    std::string text;
    for (int position = 0; position < triangle::kQuantityCount; ++position) {
        if (!triangle::isGiven(combination, triangle::quantityAt(position)))
            continue;
        if (!text.empty())
            text += ", ";
        text += triangle::kQuantityTags.at(static_cast<std::size_t>(position));
    }
    return text;
}

// Three columns of index and given quantities, numbered down the columns and
// lined up with tab stops: the index right-aligned, the quantities after it.
void writeTable(std::ostream &out)
{
    out << ".PP\n.nf\n.ta 5nR 8n 22nR 25n 39nR 42n\n";
    for (int column = 0; column < kColumns; ++column)
        out << "\t\\fIINDEX\\fR\t\\fIGIVEN\\fR";
    out << '\n';
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const int combination = column * kRows + row;
            if (combination < triangle::kCombinationCount)
                out << '\t' << combination << '\t' << givenQuantities(combination);
        }
        out << '\n';
    }
    out << ".fi\n";
}

// Each rule's name and formula, from the solver's own table.
void writeRules(std::ostream &out)
{
    for (const triangle::RuleName &rule : triangle::kRuleNames)
        out << ".TP\n.B " << rule.name << '\n' << rule.formula << '\n';
}

// The sets of three elements that fix no triangle, from the solver's table.
void writeUndeterminedSets(std::ostream &out)
{
    for (int index = 0; index < triangle::kElementSetCount; ++index) {
        const triangle::ElementSet set = triangle::elementSetAt(index);
        const triangle::SetClass found = triangle::classOf(set);
        if (found.kind == triangle::SetKind::Determinate)
            continue;
        out << ".TP\n.B";
        for (const triangle::Quantity q : set)
            out << ' ' << triangle::tagOf(q);
        out << '\n';
        if (found.kind == triangle::SetKind::ScaleFree)
            out << "scale-free: the angles fix the shape, not the size\n";
        else
            out << "dependent: " << triangle::kRelations.at(static_cast<std::size_t>(found.relation)).formula
                << '\n';
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::cerr << "usage: triangle-manual-page TEMPLATE OUTPUT\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << "triangle-manual-page: cannot read " << argv[1] << '\n';
        return 1;
    }
    std::ofstream out(argv[2]);
    for (std::string line; std::getline(in, line);) {
        if (line == kMarker)
            writeTable(out);
        else if (line == kSetMarker)
            writeUndeterminedSets(out);
        else if (line == kRuleMarker)
            writeRules(out);
        else
            out << line << '\n';
    }
    out.close();
    if (!out) {
        std::cerr << "triangle-manual-page: cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
