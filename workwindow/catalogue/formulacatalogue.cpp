#include "formulacatalogue.h"

namespace FormulaCatalogue {

namespace {

constexpr std::array<Entry, FormulaCount> Table = {{
    // number, tab, row, column, kind, picture width, picture height, formula, yields
    {0, 0, 1, 1, Kind::Area, 37, 43, "A = l²", "A"},
    {1, 0, 1, 2, Kind::Area, 40, 43, "l = √A", "l"},
    {2, 0, 2, 2, Kind::Perimeter, 55, 43, "2p = 4 × l", "2p"},
    {3, 0, 2, 1, Kind::Perimeter, 37, 38, "l = 2p / 4", "l"},
    {4, 0, 4, 1, Kind::Pythagoras1, 109, 39, "BD = √(AB² + DA²)", "BD"},
    {5, 0, 4, 2, Kind::Pythagoras1, 112, 39, "AB = √(AO² + BO²)", "AB"},
    {6, 1, 1, 1, Kind::Area, 53, 43, "A = b × h", "A"},
    {7, 1, 1, 2, Kind::Area, 37, 38, "b = A / h", "b"},
    {8, 1, 2, 1, Kind::Area, 37, 38, "h = A / b", "h"},
    {9, 1, 3, 1, Kind::Perimeter, 88, 43, "2p = (b + h) × 2", "2p"},
    {10, 1, 4, 1, Kind::Perimeter, 62, 38, "h = 2p / 2 − b", "h"},
    {11, 1, 3, 2, Kind::Perimeter, 62, 38, "b = 2p / 2 − h", "b"},
    {12, 1, 5, 1, Kind::Pythagoras1, 108, 39, "BD = √(DA² + AB²)", "BD"},
    {13, 1, 5, 2, Kind::Pythagoras1, 109, 39, "DA = √(BD² − AB²)", "DA"},
    {14, 1, 6, 1, Kind::Pythagoras1, 109, 39, "AB = √(BD² − DA²)", "AB"},
    {15, 2, 2, 1, Kind::Area, 37, 38, "h = A / b", "h"},
    {16, 2, 1, 2, Kind::Area, 37, 38, "b = A / h", "b"},
    {17, 2, 1, 1, Kind::Area, 53, 43, "A = b × h", "A"},
    {18, 2, 4, 1, Kind::Perimeter, 58, 38, "l = 2p / 2 − b", "l"},
    {19, 2, 3, 2, Kind::Perimeter, 58, 38, "b = 2p / 2 − l", "b"},
    {20, 2, 3, 1, Kind::Perimeter, 88, 43, "2p = (b + l) × 2", "2p"},
    {21, 2, 5, 1, Kind::Pythagoras1, 107, 39, "BC = √(CH² + HB²)", "BC"},
    {22, 2, 5, 2, Kind::Pythagoras1, 107, 39, "CH = √(BC² − HB²)", "CH"},
    {23, 2, 6, 1, Kind::Pythagoras1, 106, 39, "HB = √(BC² − CH²)", "HB"},
    {24, 2, 7, 1, Kind::Pythagoras2, 109, 39, "CA = √(AH² + HC²)", "CA"},
    {25, 2, 7, 2, Kind::Pythagoras2, 109, 39, "AH = √(CA² − HC²)", "AH"},
    {26, 2, 8, 1, Kind::Pythagoras2, 109, 39, "HC = √(CA² − AH²)", "HC"},
    {27, 3, 2, 1, Kind::Area, 56, 38, "d = [A × 2] / D", "d"},
    {28, 3, 1, 2, Kind::Area, 57, 38, "D = [A × 2] / d", "D"},
    {29, 3, 1, 1, Kind::Area, 58, 38, "A = [D × d] / 2", "A"},
    {30, 3, 3, 2, Kind::Perimeter, 37, 38, "l = 2p / 4", "l"},
    {31, 3, 3, 1, Kind::Perimeter, 55, 43, "2p = 4 × l", "2p"},
    {32, 3, 6, 1, Kind::Pythagoras1, 110, 39, "BO = √(BC² − CO²)", "BO"},
    {33, 3, 5, 2, Kind::Pythagoras1, 110, 39, "CO = √(BC² − BO²)", "CO"},
    {34, 3, 5, 1, Kind::Pythagoras1, 109, 39, "BC = √(CO² + BO²)", "BC"},
    {35, 4, 1, 1, Kind::Area, 95, 40, "A = [(B + b) × h] / 2", "A"},
    {36, 4, 1, 2, Kind::Area, 85, 41, "B = [A × 2] / h − b", "B"},
    {37, 4, 2, 1, Kind::Area, 83, 40, "b = [A × 2] / h − B", "b"},
    {38, 4, 2, 2, Kind::Area, 86, 41, "B + b = [A × 2] / h", "B + b"},
    {39, 4, 3, 1, Kind::Perimeter, 103, 40, "2p = B + b + 2 · l", "2p"},
    {40, 4, 3, 2, Kind::Perimeter, 101, 41, "B = 2p − b − 2 · l", "B"},
    {41, 4, 4, 1, Kind::Perimeter, 103, 41, "b = 2p − B − 2 · l", "b"},
    {42, 4, 4, 2, Kind::Perimeter, 88, 37, "l = [2p − B − b] / 2", "l"},
    {43, 7, 3, 2, Kind::Pythagoras2, 109, 39, "HC = √(CA² − AH²)", "HC"},
    {44, 7, 3, 1, Kind::Pythagoras2, 109, 39, "AH = √(CA² − HC²)", "AH"},
    {45, 7, 2, 2, Kind::Pythagoras2, 108, 39, "AC = √(AH² + HC²)", "AC"},
    {46, 7, 2, 1, Kind::Pythagoras1, 106, 39, "HB = √(BC² − CH²)", "HB"},
    {47, 7, 1, 2, Kind::Pythagoras1, 107, 39, "CH = √(BC² − HB²)", "CH"},
    {48, 7, 1, 1, Kind::Pythagoras1, 107, 39, "BC = √(CH² + HB²)", "BC"},
    {49, 7, 4, 1, Kind::Pythagoras1, 108, 39, "AD = √(AK² + KD²)", "AD"},
    {50, 7, 4, 2, Kind::Pythagoras1, 108, 39, "AK = √(DA² − KD²)", "AK"},
    {51, 7, 5, 1, Kind::Pythagoras1, 110, 39, "KD = √(DA² − AK²)", "KD"},
    {52, 7, 5, 2, Kind::Pythagoras2, 109, 39, "BD = √(DK² + KB²)", "BD"},
    {53, 7, 6, 1, Kind::Pythagoras2, 109, 39, "DK = √(BD² − KB²)", "DK"},
    {54, 7, 6, 2, Kind::Pythagoras2, 108, 39, "KB = √(BD² − DK²)", "KB"},
    {55, 7, 7, 1, Kind::Pythagoras1, 110, 39, "BD = √(DA² + AB²)", "BD"},
    {56, 7, 7, 2, Kind::Pythagoras1, 109, 39, "DA = √(BD² − AB²)", "DA"},
    {57, 7, 8, 1, Kind::Pythagoras1, 107, 39, "AB = √(BD² − DA²)", "AB"},
    {58, 5, 3, 1, Kind::Perimeter, 98, 43, "2p = B + b + l + h", "2p"},
    {59, 5, 3, 2, Kind::Perimeter, 97, 43, "B = 2p − b − h − l", "B"},
    {60, 5, 4, 1, Kind::Perimeter, 97, 43, "b = 2p − B − h − l", "b"},
    {61, 5, 4, 2, Kind::Perimeter, 97, 39, "l = 2p − B − b − h", "l"},
    {62, 5, 5, 1, Kind::Perimeter, 98, 39, "h = 2p − B − b − l", "h"},
    {63, 6, 3, 1, Kind::Perimeter, 107, 43, "2p = B + b + l1 + l2", "2p"},
    {64, 6, 4, 1, Kind::Perimeter, 106, 43, "b = 2p − B − l1 − l2", "b"},
    {65, 6, 3, 2, Kind::Perimeter, 105, 43, "B = 2p − b − l1 − l2", "B"},
    {66, 6, 4, 2, Kind::Perimeter, 105, 39, "l1 = 2p − B − b − l2", "l1"},
    {67, 6, 5, 1, Kind::Perimeter, 105, 39, "l2 = 2p − B − b − l1", "l2"},
    {68, 5, 2, 2, Kind::Area, 86, 41, "B + b = [A × 2] / h", "B + b"},
    {69, 5, 2, 1, Kind::Area, 83, 40, "b = [A × 2] / h − B", "b"},
    {70, 5, 1, 2, Kind::Area, 85, 41, "B = [A × 2] / h − b", "B"},
    {71, 5, 1, 1, Kind::Area, 95, 40, "A = [(B + b) × h] / 2", "A"},
    {72, 6, 2, 2, Kind::Area, 86, 41, "B + b = [A × 2] / h", "B + b"},
    {73, 6, 2, 1, Kind::Area, 83, 40, "b = [A × 2] / h − B", "b"},
    {74, 6, 1, 2, Kind::Area, 85, 41, "B = [A × 2] / h − b", "B"},
    {75, 6, 1, 1, Kind::Area, 95, 40, "A = [(B + b) × h] / 2", "A"},
    {76, 8, 7, 1, Kind::Pythagoras1, 106, 39, "HB = √(BC² − CH²)", "HB"},
    {77, 8, 6, 2, Kind::Pythagoras1, 107, 39, "CH = √(BC² − HB²)", "CH"},
    {78, 8, 6, 1, Kind::Pythagoras1, 107, 39, "BC = √(CH² + HB²)", "BC"},
    {79, 9, 7, 1, Kind::Pythagoras1, 106, 39, "HB = √(BC² − CH²)", "HB"},
    {80, 9, 6, 2, Kind::Pythagoras1, 107, 39, "CH = √(BC² − HB²)", "CH"},
    {81, 9, 6, 1, Kind::Pythagoras1, 107, 39, "BC = √(CH² + HB²)", "BC"},
    {82, 9, 8, 2, Kind::Pythagoras2, 109, 39, "HC = √(CA² − AH²)", "HC"},
    {83, 9, 8, 1, Kind::Pythagoras2, 109, 39, "AH = √(CA² − HC²)", "AH"},
    {84, 9, 7, 2, Kind::Pythagoras2, 108, 39, "AC = √(AH² + HC²)", "AC"},
    {85, 11, 6, 1, Kind::Pythagoras1, 109, 39, "HC = √(CA² − AH²)", "HC"},
    {86, 11, 5, 2, Kind::Pythagoras1, 109, 39, "AH = √(CA² − HC²)", "AH"},
    {87, 11, 5, 1, Kind::Pythagoras1, 108, 39, "AC = √(AH² + HC²)", "AC"},
    {88, 8, 1, 1, Kind::Area, 56, 38, "A = [b × h] / 2", "A"},
    {89, 8, 1, 2, Kind::Area, 56, 38, "b = [A × 2] / h", "b"},
    {90, 8, 2, 1, Kind::Area, 56, 38, "h = [A × 2] / b", "h"},
    {91, 9, 1, 1, Kind::Area, 56, 38, "A = [b × h] / 2", "A"},
    {92, 9, 1, 2, Kind::Area, 56, 38, "b = [A × 2] / h", "b"},
    {93, 9, 2, 1, Kind::Area, 56, 38, "h = [A × 2] / b", "h"},
    {94, 10, 1, 1, Kind::Area, 56, 38, "A = [b × h] / 2", "A"},
    {95, 10, 1, 2, Kind::Area, 56, 38, "b = [A × 2] / h", "b"},
    {96, 10, 2, 1, Kind::Area, 56, 38, "h = [A × 2] / b", "h"},
    {97, 11, 1, 1, Kind::Area, 56, 38, "A = [b × h] / 2", "A"},
    {98, 11, 1, 2, Kind::Area, 56, 38, "b = [A × 2] / h", "b"},
    {99, 11, 2, 1, Kind::Area, 56, 38, "h = [A × 2] / b", "h"},
    {100, 8, 3, 1, Kind::Perimeter, 69, 43, "2p = b + 2 · l", "2p"},
    {101, 8, 3, 2, Kind::Perimeter, 71, 43, "b = 2p − 2 · l", "b"},
    {102, 8, 4, 1, Kind::Perimeter, 57, 38, "l = [2p − b] / 2", "l"},
    {103, 11, 3, 1, Kind::Perimeter, 51, 43, "2p = 3 · l", "2p"},
    {104, 11, 3, 2, Kind::Perimeter, 41, 38, "l = 2p / 3", "l"},
    {105, 9, 2, 2, Kind::Perimeter, 84, 43, "2p = b + l1 + l2", "2p"},
    {106, 9, 3, 1, Kind::Perimeter, 85, 43, "b = 2p − l1 − l2", "b"},
    {107, 9, 3, 2, Kind::Perimeter, 84, 43, "l1 = 2p − b − l2", "l1"},
    {108, 9, 4, 1, Kind::Perimeter, 85, 43, "l2 = 2p − b − l1", "l2"},
    {109, 10, 3, 1, Kind::Perimeter, 84, 43, "2p = b + h + ip", "2p"},
    {110, 10, 3, 2, Kind::Perimeter, 83, 43, "b = 2p − h − ip", "b"},
    {111, 10, 4, 1, Kind::Perimeter, 83, 42, "h = 2p − b − ip", "h"},
    {112, 10, 4, 2, Kind::Perimeter, 83, 43, "ip = 2p − b − h", "ip"},
    {113, 10, 5, 1, Kind::Pythagoras1, 110, 39, "BC = √(CA² + AB²)", "BC"},
    {114, 10, 5, 2, Kind::Pythagoras1, 110, 39, "CA = √(BC² − AB²)", "CA"},
    {115, 10, 6, 1, Kind::Pythagoras1, 109, 39, "AB = √(BC² − CA²)", "AB"},
    {116, 4, 6, 1, Kind::Segments, 90, 39, "AB = KH + 2HB", "AB"},
    {117, 4, 6, 2, Kind::Segments, 90, 39, "KH = AB − 2HB", "KH"},
    {118, 4, 7, 1, Kind::Segments, 85, 36, "HB = [AB − KH] / 2", "HB"},
    {119, 3, 4, 1, Kind::Segments, 57, 38, "CO = AC / 2", "CO"},
    {120, 6, 6, 1, Kind::Segments, 114, 39, "AB = AK + KH + HB", "AB"},
    {121, 6, 6, 2, Kind::Segments, 114, 39, "KH = AB − AK − HB", "KH"},
    {122, 6, 7, 1, Kind::Segments, 114, 39, "AK = AB − KH − HB", "AK"},
    {123, 6, 7, 2, Kind::Segments, 114, 39, "HB = AB − KH − AK", "HB"},
    {124, 5, 6, 1, Kind::Segments, 84, 39, "AB = AH + HB", "AB"},
    {125, 5, 6, 2, Kind::Segments, 84, 39, "HB = AB − AH", "HB"},
    {126, 5, 7, 1, Kind::Segments, 83, 39, "AH = AB − HB", "AH"},
    {127, 8, 5, 1, Kind::Segments, 68, 43, "AB = 2 · HB", "AB"},
    {128, 8, 5, 2, Kind::Segments, 56, 38, "HB = AB / 2", "HB"},
    {129, 11, 4, 1, Kind::Segments, 68, 43, "AB = 2 · HB", "AB"},
    {130, 11, 4, 2, Kind::Segments, 56, 38, "HB = AB / 2", "HB"},
    {131, 9, 5, 1, Kind::Segments, 83, 39, "AH = AB − HB", "AH"},
    {132, 9, 5, 2, Kind::Segments, 84, 39, "HB = AB − AH", "HB"},
    {133, 9, 4, 2, Kind::Segments, 83, 39, "AB = AH + HB", "AB"},
    {134, 5, 5, 2, Kind::Perimeter, 98, 43, "B + b = 2p − h − l", "B + b"},
    {135, 6, 5, 2, Kind::Perimeter, 106, 43, "B + b = 2p − l1 − l2", "B + b"},
    {136, 4, 5, 1, Kind::Perimeter, 92, 43, "B + b = 2p − 2 · l", "B + b"},
    {137, 3, 4, 2, Kind::Segments, 56, 38, "BO = BD / 2", "BO"},
    {138, 0, 3, 1, Kind::Segments, 57, 38, "AO = AC / 2", "AO"},
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

QRgb kindColour(Kind kind)
{
    switch (kind) {
    case Kind::Area:
        return qRgb(255, 255, 192);
    case Kind::Perimeter:
        return qRgb(192, 255, 192);
    case Kind::Pythagoras1:
        return qRgb(192, 255, 255);
    case Kind::Pythagoras2:
        return qRgb(192, 192, 255);
    case Kind::Segments:
        return qRgb(0, 255, 0);
    }
    return qRgb(255, 255, 255);
}

} // namespace FormulaCatalogue
