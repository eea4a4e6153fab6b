#include "formulacatalogue.h"

namespace FormulaCatalogue {

namespace {

constexpr std::array<Entry, FormulaCount> Table = {{
    // number, tab, row, column, kind, picture width, picture height, formula
    {0, 0, 1, 1, Kind::Area, 37, 43, "A = l²"},
    {1, 0, 1, 2, Kind::Area, 40, 43, "l = √A"},
    {2, 0, 2, 2, Kind::Perimeter, 55, 43, "2p = 4 × l"},
    {3, 0, 2, 1, Kind::Perimeter, 37, 38, "l = 2p / 4"},
    {4, 0, 4, 1, Kind::Pythagoras1, 109, 39, "BD = √(AB² + DA²)"},
    {5, 0, 4, 2, Kind::Pythagoras1, 112, 39, "AB = √(AO² + BO²)"},
    {6, 1, 1, 1, Kind::Area, 53, 43, "A = b × h"},
    {7, 1, 1, 2, Kind::Area, 37, 38, "b = A / h"},
    {8, 1, 2, 1, Kind::Area, 37, 38, "h = A / b"},
    {9, 1, 3, 1, Kind::Perimeter, 88, 43, "2p = (b + h) × 2"},
    {10, 1, 4, 1, Kind::Perimeter, 62, 38, "h = 2p / 2 − b"},
    {11, 1, 3, 2, Kind::Perimeter, 62, 38, "b = 2p / 2 − h"},
    {12, 1, 5, 1, Kind::Pythagoras1, 108, 39, "BD = √(DA² + AB²)"},
    {13, 1, 5, 2, Kind::Pythagoras1, 109, 39, "DA = √(BD² − AB²)"},
    {14, 1, 6, 1, Kind::Pythagoras1, 109, 39, "AB = √(BD² − DA²)"},
    {15, 2, 2, 1, Kind::Area, 37, 38, "h = A / b"},
    {16, 2, 1, 2, Kind::Area, 37, 38, "b = A / h"},
    {17, 2, 1, 1, Kind::Area, 53, 43, "A = b × h"},
    {18, 2, 4, 1, Kind::Perimeter, 58, 38, "l = 2p / 2 − b"},
    {19, 2, 3, 2, Kind::Perimeter, 58, 38, "b = 2p / 2 − l"},
    {20, 2, 3, 1, Kind::Perimeter, 88, 43, "2p = (b + l) × 2"},
    {21, 2, 5, 1, Kind::Pythagoras1, 107, 39, "BC = √(CH² + HB²)"},
    {22, 2, 5, 2, Kind::Pythagoras1, 107, 39, "CH = √(BC² − HB²)"},
    {23, 2, 6, 1, Kind::Pythagoras1, 106, 39, "HB = √(BC² − CH²)"},
    {24, 2, 7, 1, Kind::Pythagoras2, 109, 39, "CA = √(AH² + HC²)"},
    {25, 2, 7, 2, Kind::Pythagoras2, 109, 39, "AH = √(CA² − HC²)"},
    {26, 2, 8, 1, Kind::Pythagoras2, 109, 39, "HC = √(CA² − AH²)"},
    {27, 3, 2, 1, Kind::Area, 56, 38, "d = [A × 2] / D"},
    {28, 3, 1, 2, Kind::Area, 57, 38, "D = [A × 2] / d"},
    {29, 3, 1, 1, Kind::Area, 58, 38, "A = [D × d] / 2"},
    {30, 3, 3, 2, Kind::Perimeter, 37, 38, "l = 2p / 4"},
    {31, 3, 3, 1, Kind::Perimeter, 55, 43, "2p = 4 × l"},
    {32, 3, 6, 1, Kind::Pythagoras1, 110, 39, "BO = √(BC² − CO²)"},
    {33, 3, 5, 2, Kind::Pythagoras1, 110, 39, "CO = √(BC² − BO²)"},
    {34, 3, 5, 1, Kind::Pythagoras1, 109, 39, "BC = √(CO² + BO²)"},
    {35, 4, 1, 1, Kind::Area, 95, 40, "A = [(B + b) × h] / 2"},
    {36, 4, 1, 2, Kind::Area, 85, 41, "B = [A × 2] / h − b"},
    {37, 4, 2, 1, Kind::Area, 83, 40, "b = [A × 2] / h − B"},
    {38, 4, 2, 2, Kind::Area, 86, 41, "B + b = [A × 2] / h"},
    {39, 4, 3, 1, Kind::Perimeter, 103, 40, "2p = B + b + 2 · l"},
    {40, 4, 3, 2, Kind::Perimeter, 101, 41, "B = 2p − b − 2 · l"},
    {41, 4, 4, 1, Kind::Perimeter, 103, 41, "b = 2p − B − 2 · l"},
    {42, 4, 4, 2, Kind::Perimeter, 88, 37, "l = [2p − B − b] / 2"},
    {43, 7, 3, 2, Kind::Pythagoras2, 109, 39, "HC = √(CA² − AH²)"},
    {44, 7, 3, 1, Kind::Pythagoras2, 109, 39, "AH = √(CA² − HC²)"},
    {45, 7, 2, 2, Kind::Pythagoras2, 108, 39, "AC = √(AH² + HC²)"},
    {46, 7, 2, 1, Kind::Pythagoras1, 106, 39, "HB = √(BC² − CH²)"},
    {47, 7, 1, 2, Kind::Pythagoras1, 107, 39, "CH = √(BC² − HB²)"},
    {48, 7, 1, 1, Kind::Pythagoras1, 107, 39, "BC = √(CH² + HB²)"},
    {49, 7, 4, 1, Kind::Pythagoras1, 108, 39, "AD = √(AK² + KD²)"},
    {50, 7, 4, 2, Kind::Pythagoras1, 108, 39, "AK = √(DA² − KD²)"},
    {51, 7, 5, 1, Kind::Pythagoras1, 110, 39, "KD = √(DA² − AK²)"},
    {52, 7, 5, 2, Kind::Pythagoras2, 109, 39, "BD = √(DK² + KB²)"},
    {53, 7, 6, 1, Kind::Pythagoras2, 109, 39, "DK = √(BD² − KB²)"},
    {54, 7, 6, 2, Kind::Pythagoras2, 108, 39, "KB = √(BD² − DK²)"},
    {55, 7, 7, 1, Kind::Pythagoras1, 110, 39, "BD = √(DA² + AB²)"},
    {56, 7, 7, 2, Kind::Pythagoras1, 109, 39, "DA = √(BD² − AB²)"},
    {57, 7, 8, 1, Kind::Pythagoras1, 107, 39, "AB = √(BD² − DA²)"},
    {58, 5, 3, 1, Kind::Perimeter, 98, 43, "2p = B + b + l + h"},
    {59, 5, 3, 2, Kind::Perimeter, 97, 43, "B = 2p − b − h − l"},
    {60, 5, 4, 1, Kind::Perimeter, 97, 43, "b = 2p − B − h − l"},
    {61, 5, 4, 2, Kind::Perimeter, 97, 39, "l = 2p − B − b − h"},
    {62, 5, 5, 1, Kind::Perimeter, 98, 39, "h = 2p − B − b − l"},
    {63, 6, 3, 1, Kind::Perimeter, 107, 43, "2p = B + b + l1 + l2"},
    {64, 6, 4, 1, Kind::Perimeter, 106, 43, "b = 2p − B − l1 − l2"},
    {65, 6, 3, 2, Kind::Perimeter, 105, 43, "B = 2p − b − l1 − l2"},
    {66, 6, 4, 2, Kind::Perimeter, 105, 39, "l1 = 2p − B − b − l2"},
    {67, 6, 5, 1, Kind::Perimeter, 105, 39, "l2 = 2p − B − b − l1"},
    {68, 5, 2, 2, Kind::Area, 86, 41, "B + b = [A × 2] / h"},
    {69, 5, 2, 1, Kind::Area, 83, 40, "b = [A × 2] / h − B"},
    {70, 5, 1, 2, Kind::Area, 85, 41, "B = [A × 2] / h − b"},
    {71, 5, 1, 1, Kind::Area, 95, 40, "A = [(B + b) × h] / 2"},
    {72, 6, 2, 2, Kind::Area, 86, 41, "B + b = [A × 2] / h"},
    {73, 6, 2, 1, Kind::Area, 83, 40, "b = [A × 2] / h − B"},
    {74, 6, 1, 2, Kind::Area, 85, 41, "B = [A × 2] / h − b"},
    {75, 6, 1, 1, Kind::Area, 95, 40, "A = [(B + b) × h] / 2"},
    {76, 8, 7, 1, Kind::Pythagoras1, 106, 39, "HB = √(BC² − CH²)"},
    {77, 8, 6, 2, Kind::Pythagoras1, 107, 39, "CH = √(BC² − HB²)"},
    {78, 8, 6, 1, Kind::Pythagoras1, 107, 39, "BC = √(CH² + HB²)"},
    {79, 9, 7, 1, Kind::Pythagoras1, 106, 39, "HB = √(BC² − CH²)"},
    {80, 9, 6, 2, Kind::Pythagoras1, 107, 39, "CH = √(BC² − HB²)"},
    {81, 9, 6, 1, Kind::Pythagoras1, 107, 39, "BC = √(CH² + HB²)"},
    {82, 9, 8, 2, Kind::Pythagoras2, 109, 39, "HC = √(CA² − AH²)"},
    {83, 9, 8, 1, Kind::Pythagoras2, 109, 39, "AH = √(CA² − HC²)"},
    {84, 9, 7, 2, Kind::Pythagoras2, 108, 39, "AC = √(AH² + HC²)"},
    {85, 11, 6, 1, Kind::Pythagoras1, 109, 39, "HC = √(CA² − AH²)"},
    {86, 11, 5, 2, Kind::Pythagoras1, 109, 39, "AH = √(CA² − HC²)"},
    {87, 11, 5, 1, Kind::Pythagoras1, 108, 39, "AC = √(AH² + HC²)"},
    {88, 8, 1, 1, Kind::Area, 56, 38, "A = [b × h] / 2"},
    {89, 8, 1, 2, Kind::Area, 56, 38, "b = [A × 2] / h"},
    {90, 8, 2, 1, Kind::Area, 56, 38, "h = [A × 2] / b"},
    {91, 9, 1, 1, Kind::Area, 56, 38, "A = [b × h] / 2"},
    {92, 9, 1, 2, Kind::Area, 56, 38, "b = [A × 2] / h"},
    {93, 9, 2, 1, Kind::Area, 56, 38, "h = [A × 2] / b"},
    {94, 10, 1, 1, Kind::Area, 56, 38, "A = [b × h] / 2"},
    {95, 10, 1, 2, Kind::Area, 56, 38, "b = [A × 2] / h"},
    {96, 10, 2, 1, Kind::Area, 56, 38, "h = [A × 2] / b"},
    {97, 11, 1, 1, Kind::Area, 56, 38, "A = [b × h] / 2"},
    {98, 11, 1, 2, Kind::Area, 56, 38, "b = [A × 2] / h"},
    {99, 11, 2, 1, Kind::Area, 56, 38, "h = [A × 2] / b"},
    {100, 8, 3, 1, Kind::Perimeter, 69, 43, "2p = b + 2 · l"},
    {101, 8, 3, 2, Kind::Perimeter, 71, 43, "b = 2p − 2 · l"},
    {102, 8, 4, 1, Kind::Perimeter, 57, 38, "l = [2p − b] / 2"},
    {103, 11, 3, 1, Kind::Perimeter, 51, 43, "2p = 3 · l"},
    {104, 11, 3, 2, Kind::Perimeter, 41, 38, "l = 2p / 3"},
    {105, 9, 2, 2, Kind::Perimeter, 84, 43, "2p = b + l1 + l2"},
    {106, 9, 3, 1, Kind::Perimeter, 85, 43, "b = 2p − l1 − l2"},
    {107, 9, 3, 2, Kind::Perimeter, 84, 43, "l1 = 2p − b − l2"},
    {108, 9, 4, 1, Kind::Perimeter, 85, 43, "l2 = 2p − b − l1"},
    {109, 10, 3, 1, Kind::Perimeter, 84, 43, "2p = b + h + ip"},
    {110, 10, 3, 2, Kind::Perimeter, 83, 43, "b = 2p − h − ip"},
    {111, 10, 4, 1, Kind::Perimeter, 83, 42, "h = 2p − b − ip"},
    {112, 10, 4, 2, Kind::Perimeter, 83, 43, "ip = 2p − b − h"},
    {113, 10, 5, 1, Kind::Pythagoras1, 110, 39, "BC = √(CA² + AB²)"},
    {114, 10, 5, 2, Kind::Pythagoras1, 110, 39, "CA = √(BC² − AB²)"},
    {115, 10, 6, 1, Kind::Pythagoras1, 109, 39, "AB = √(BC² − CA²)"},
    {116, 4, 6, 1, Kind::Segments, 90, 39, "AB = KH + 2HB"},
    {117, 4, 6, 2, Kind::Segments, 90, 39, "KH = AB − 2HB"},
    {118, 4, 7, 1, Kind::Segments, 85, 36, "HB = [AB − KH] / 2"},
    {119, 3, 4, 1, Kind::Segments, 57, 38, "CO = AC / 2"},
    {120, 6, 6, 1, Kind::Segments, 114, 39, "AB = AK + KH + HB"},
    {121, 6, 6, 2, Kind::Segments, 114, 39, "KH = AB − AK − HB"},
    {122, 6, 7, 1, Kind::Segments, 114, 39, "AK = AB − KH − HB"},
    {123, 6, 7, 2, Kind::Segments, 114, 39, "HB = AB − KH − AK"},
    {124, 5, 6, 1, Kind::Segments, 84, 39, "AB = AH + HB"},
    {125, 5, 6, 2, Kind::Segments, 84, 39, "HB = AB − AH"},
    {126, 5, 7, 1, Kind::Segments, 83, 39, "AH = AB − HB"},
    {127, 8, 5, 1, Kind::Segments, 68, 43, "AB = 2 · HB"},
    {128, 8, 5, 2, Kind::Segments, 56, 38, "HB = AB / 2"},
    {129, 11, 4, 1, Kind::Segments, 68, 43, "AB = 2 · HB"},
    {130, 11, 4, 2, Kind::Segments, 56, 38, "HB = AB / 2"},
    {131, 9, 5, 1, Kind::Segments, 83, 39, "AH = AB − HB"},
    {132, 9, 5, 2, Kind::Segments, 84, 39, "HB = AB − AH"},
    {133, 9, 4, 2, Kind::Segments, 83, 39, "AB = AH + HB"},
    {134, 5, 5, 2, Kind::Perimeter, 98, 43, "B + b = 2p − h − l"},
    {135, 6, 5, 2, Kind::Perimeter, 106, 43, "B + b = 2p − l1 − l2"},
    {136, 4, 5, 1, Kind::Perimeter, 92, 43, "B + b = 2p − 2 · l"},
    {137, 3, 4, 2, Kind::Segments, 56, 38, "BO = BD / 2"},
    {138, 0, 3, 1, Kind::Segments, 57, 38, "AO = AC / 2"},
}};

constexpr std::array<const char *, TabCount> Captions = {
    "Quadrato",       "Rettangolo",       "Parallelogr.",    "Rombo",
    "Trap. Isoscele", "Trap. Rettangolo", "Trap. Scaleno",   "Trap. Pitagora",
    "Tri. Isoscele",  "Tri. Scaleno",     "Tri. Rettangolo", "Tri. Equilatero",
};

// The table is indexed by formula number; a row out of order would silently
// give a stored problem the wrong formula.
constexpr bool numbersMatchIndices()
{
    for (int i = 0; i < FormulaCount; ++i) {
        if (Table[i].number != i)
            return false;
    }
    return true;
}
static_assert(numbersMatchIndices(), "every entry must sit at the index of its number");

} // namespace

const std::array<Entry, FormulaCount> &entries()
{
    return Table;
}

const Entry &entry(int number)
{
    return Table.at(static_cast<std::size_t>(number));
}

QString tabCaption(int tab)
{
    if (tab < 0 || tab >= TabCount)
        return QString();
    return QString::fromUtf8(Captions[static_cast<std::size_t>(tab)]);
}

std::uint32_t kindColour(Kind kind)
{
    switch (kind) {
    case Kind::Area:
        return 0xffffc0;
    case Kind::Perimeter:
        return 0xc0ffc0;
    case Kind::Pythagoras1:
        return 0xc0ffff;
    case Kind::Pythagoras2:
        return 0xc0c0ff;
    case Kind::Segments:
        return 0x00ff00;
    }
    return 0xffffff;
}

} // namespace FormulaCatalogue
