#pragma once

// The 139 formulas of the formula panel: for each formula number its tab, its
// place in the tab's two-column grid, its kind (which sets the box colour), the
// size of its picture and the formula itself. Only the number is ever stored
// in a problem file, so the number, tab and place of each entry must never
// change.

#include <QString>
#include <array>
#include <cstdint>

namespace FormulaCatalogue {

enum class Kind { Area, Perimeter, Pythagoras1, Pythagoras2, Segments };

struct Entry {
    int number; // 0..138, the index of the formula box
    int tab;    // 0..11, in the order of the tab strip
    int row;    // 1..8
    int column; // 1 or 2
    Kind kind;
    int pictureWidth;  // pixels
    int pictureHeight; // pixels
    // UTF-8. "/" is a fraction bar, "[...]" a numerator of more than one
    // symbol, "√(...)" a square root, "²" a square; e.g. "B = [A × 2] / h − b".
    const char *formula;
};

constexpr int FormulaCount = 139;
constexpr int TabCount = 12;
constexpr int RowCount = 8;
constexpr int ColumnCount = 2;

// All entries; the index is the formula number.
const std::array<Entry, FormulaCount> &entries();
// Throws std::out_of_range unless 0 <= number < FormulaCount.
const Entry &entry(int number);
// The caption of a tab as shown on the tab strip; empty for a tab that does not exist.
QString tabCaption(int tab);
// The background colour of a formula box of that kind, as 0xRRGGBB.
std::uint32_t kindColour(Kind kind);

} // namespace FormulaCatalogue
