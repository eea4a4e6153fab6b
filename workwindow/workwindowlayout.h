#pragma once

#include "twips.h"

#include <QString>
#include <array>

// Where every control of the work window stands when the window is built, in
// twips (15 to the pixel), and the design name each control keeps as its
// objectName, by which tests and accessibility tools find it. Each place below
// is named after the WorkWindow member that holds the control:
//
//   member (WorkWindow)      design name            what it shows
//   (the window)             Form2                  caption "Zenuvio"
//   txtTesto                 txtTesto               the problem text
//   figureHeading            Label5                 "Figura"
//   figureBox                Picture1               the problem's figure
//   dataHeading              Label2                 "Dati"
//   txtDati[k]               txtDati_k              the data, k = 0..7
//   formulasHeading          Label3                 "Formule"
//   resultsHeading           Label4                 "Risultati"
//   stepSelectors[k]         Option1_k              selects step k (editor)
//   stepFormulaBoxes[k]      picFormRis_k           the formula of step k
//   equalsSigns[k]           Label1_k               "=" between formula and result
//   txtRisultato[k]          txtRisultato_k         the result of step k
//   cmdNuovo, cmdApri_Editor, cmdSalva, cmdEsci_Editor   the editor's buttons
//   lblAvviso_Editor         lblAvviso_Editor       "Editor"
//   lblAvviso_Risoluzione    lblAvviso_Risoluzione  the hints while solving
//   lblSpiegazione           lblSpiegazione         why an answer is wrong, under the hint
//   cmdApri_Risoluzione, cmdEsci_Risoluzione        the solving buttons
//   formulaPanel             SSTab1                 the twelve tabs of formulas
//   picFormula(n)            picFormula_n           formula n, n = 0..138
//   problemDialog            CommonDialog1          file dialog for problems
//   figureDialog             CommonDialog2          file dialog for figures
namespace WorkWindowLayout {

struct Place {
    const char *designName;
    QRect rect;
};

constexpr QSize clientSize{twipsToPixels(11880), twipsToPixels(8595)};

constexpr Place problemText{"txtTesto", twipsRect(300, 60, 6975, 1335)};
constexpr Place figureHeading{"Label5", twipsRect(1320, 1440, 1395, 255)};
constexpr Place figureBox{"Picture1", twipsRect(1320, 1680, 3615, 1575)};
constexpr Place dataHeading{"Label2", twipsRect(5760, 1680, 915, 195)};
constexpr Place formulasHeading{"Label3", twipsRect(600, 3360, 1395, 255)};
constexpr Place resultsHeading{"Label4", twipsRect(2760, 3360, 1095, 255)};
constexpr Place newButton{"cmdNuovo", twipsRect(5280, 5700, 1095, 375)};
constexpr Place editorOpenButton{"cmdApri_Editor", twipsRect(5280, 6240, 1095, 375)};
constexpr Place saveButton{"cmdSalva", twipsRect(5280, 6780, 1095, 375)};
constexpr Place editorExitButton{"cmdEsci_Editor", twipsRect(5280, 7320, 1095, 375)};
constexpr Place editorLabel{"lblAvviso_Editor", twipsRect(4740, 4740, 2235, 555)};
constexpr Place hintLabel{"lblAvviso_Risoluzione", twipsRect(4380, 4500, 2955, 2835)};
// In the lower part of the hint area, under hints of up to three lines.
constexpr Place explanationLabel{"lblSpiegazione", twipsRect(4440, 6300, 2835, 1035)};
constexpr Place solvingOpenButton{"cmdApri_Risoluzione", twipsRect(4620, 7620, 1095, 375)};
constexpr Place solvingExitButton{"cmdEsci_Risoluzione", twipsRect(6000, 7620, 1095, 375)};
constexpr Place formulaPanel{"SSTab1", twipsRect(7380, 120, 4485, 8145)};

// The tops of the controls of each step row and of each data box; the rows
// are not evenly spaced.
struct RowTops {
    int stepSelector;
    int stepFormulaBox;
    int equalsSign;
    int result;
    int resultHeight;
    int datum;
};

constexpr std::array<RowTops, 8> rowTops{{
    {3780, 3600, 3780, 3720, 360, 1920},
    {4380, 4200, 4440, 4320, 375, 2220},
    {4980, 4800, 4980, 4920, 375, 2520},
    {5580, 5400, 5580, 5520, 375, 2820},
    {6180, 6000, 6180, 6120, 345, 3120},
    {6780, 6600, 6780, 6720, 345, 3420},
    {7440, 7200, 7380, 7320, 345, 3720},
    {8040, 7800, 7980, 7920, 345, 4020},
}};

// One of the eight controls of a kind, k = 0..7, named "<design name>_<k>".
struct RowPlace {
    const char *designName;
    int left;
    int width;
    int RowTops::*top;
    int height; // 0: the row's own result height

    constexpr QRect rect(int k) const
    {
        const RowTops &row = rowTops[k];
        return twipsRect(left, row.*top, width, height ? height : row.resultHeight);
    }
    QString name(int k) const
    {
        return QStringLiteral("%1_%2").arg(QLatin1String(designName)).arg(k);
    }
};

constexpr RowPlace stepSelectors{"Option1", 240, 255, &RowTops::stepSelector, 255};
constexpr RowPlace stepFormulaBoxes{"picFormRis", 600, 1935, &RowTops::stepFormulaBox, 615};
constexpr RowPlace equalsSigns{"Label1", 2520, 255, &RowTops::equalsSign, 345};
constexpr RowPlace resultBoxes{"txtRisultato", 2760, 1335, &RowTops::result, 0};
constexpr RowPlace dataBoxes{"txtDati", 5760, 1455, &RowTops::datum, 315};

// Formula boxes inside the panel: two columns, eight rows.
constexpr QRect formulaPicture(int row, int column)
{
    return twipsRect(column == 1 ? 120 : 1920, 2040 + 720 * (row - 1), 1695, 615);
}
// Height of one row of tab captions in the panel (520 HIMETRIC, about 295 twips).
constexpr int tabCaptionHeight = 20;

} // namespace WorkWindowLayout
