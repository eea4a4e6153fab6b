#pragma once

#include "picturebox.h"
#include "problem.h"

#include <array>

class FormulaPanel;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTextEdit;

// The controls of the work window; workwindowlayout.h tells each one's place
// and design name (its objectName). The window owns them; the pointers only
// name them.
struct WorkWindowControls {
    static constexpr int SlotCount = ProblemSlotCount;

    QTextEdit *problemText = nullptr;
    QLabel *figureHeading = nullptr;
    PictureBox *figureBox = nullptr;
    QLabel *dataHeading = nullptr;
    QLabel *formulasHeading = nullptr;
    QLabel *resultsHeading = nullptr;
    QPushButton *newButton = nullptr;
    QPushButton *editorOpenButton = nullptr;
    QPushButton *saveButton = nullptr;
    QPushButton *editorExitButton = nullptr;
    QLabel *editorLabel = nullptr;
    QLabel *hintLabel = nullptr;
    QLabel *explanationLabel = nullptr;
    QPushButton *solvingOpenButton = nullptr;
    QPushButton *solvingExitButton = nullptr;
    std::array<QRadioButton *, SlotCount> stepSelectors{};
    std::array<PictureBox *, SlotCount> stepFormulaBoxes{};
    std::array<QLabel *, SlotCount> equalsSigns{};
    std::array<QLineEdit *, SlotCount> resultBoxes{};
    std::array<QLineEdit *, SlotCount> dataBoxes{};
    FormulaPanel *formulaPanel = nullptr;
};
