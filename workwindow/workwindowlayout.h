#pragma once

#include "twips.h"

#include <array>

// Where every control of the work window stands at design time. Positions are
// kept in twips, as the window was drawn, and turned into pixels at 15 twips
// to the pixel.
namespace WorkWindowLayout {

constexpr QRect twips(int left, int top, int width, int height)
{
    return twipsRect(left, top, width, height);
}

constexpr QSize clientSize{twipsToPixels(11880), twipsToPixels(8595)};

constexpr QRect txtTesto = twips(300, 60, 6975, 1335);
constexpr QRect figureHeading = twips(1320, 1440, 1395, 255);
constexpr QRect figureBox = twips(1320, 1680, 3615, 1575);
constexpr QRect dataHeading = twips(5760, 1680, 915, 195);
constexpr QRect formulasHeading = twips(600, 3360, 1395, 255);
constexpr QRect resultsHeading = twips(2760, 3360, 1095, 255);
constexpr QRect cmdNuovo = twips(5280, 5700, 1095, 375);
constexpr QRect cmdApri_Editor = twips(5280, 6240, 1095, 375);
constexpr QRect cmdSalva = twips(5280, 6780, 1095, 375);
constexpr QRect cmdEsci_Editor = twips(5280, 7320, 1095, 375);
constexpr QRect lblAvviso_Editor = twips(4740, 4740, 2235, 555);
constexpr QRect lblAvviso_Risoluzione = twips(4380, 4500, 2955, 2835);
constexpr QRect cmdApri_Risoluzione = twips(4620, 7620, 1095, 375);
constexpr QRect cmdEsci_Risoluzione = twips(6000, 7620, 1095, 375);
constexpr QRect formulaPanel = twips(7380, 120, 4485, 8145);

// The per-step rows and the data column, index 0..7.
struct Row {
    int option1Top;
    int stepFormulaBoxTop;
    int label1Top;
    int txtRisultatoTop;
    int txtRisultatoHeight;
    int txtDatiTop;
};

constexpr std::array<Row, 8> rows{{
    {3780, 3600, 3780, 3720, 360, 1920},
    {4380, 4200, 4440, 4320, 375, 2220},
    {4980, 4800, 4980, 4920, 375, 2520},
    {5580, 5400, 5580, 5520, 375, 2820},
    {6180, 6000, 6180, 6120, 345, 3120},
    {6780, 6600, 6780, 6720, 345, 3420},
    {7440, 7200, 7380, 7320, 345, 3720},
    {8040, 7800, 7980, 7920, 345, 4020},
}};

constexpr QRect stepSelectors(int k)
{
    return twips(240, rows[k].option1Top, 255, 255);
}
constexpr QRect stepFormulaBoxes(int k)
{
    return twips(600, rows[k].stepFormulaBoxTop, 1935, 615);
}
constexpr QRect equalsSigns(int k)
{
    return twips(2520, rows[k].label1Top, 255, 345);
}
constexpr QRect txtRisultato(int k)
{
    return twips(2760, rows[k].txtRisultatoTop, 1335, rows[k].txtRisultatoHeight);
}
constexpr QRect txtDati(int k)
{
    return twips(5760, rows[k].txtDatiTop, 1455, 315);
}

// Formula boxes inside the panel: two columns, eight rows.
constexpr QRect picFormula(int row, int column)
{
    return twips(column == 1 ? 120 : 1920, 2040 + 720 * (row - 1), 1695, 615);
}
// Height of one row of tab captions in the panel (520 HIMETRIC, about 295 twips).
constexpr int tabCaptionHeight = 20;

} // namespace WorkWindowLayout
