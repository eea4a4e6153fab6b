#include "stepslots.h"

#include "formulapanel.h"
#include "workwindowcontrols.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace StepSlots {

void showFormula(const WorkWindowControls &controls, int step, int number)
{
    PictureBox &box = *controls.stepFormulaBoxes[step];
    box.copyPictureFrom(*controls.formulaPanel->formulaPicture(number));
    box.setAccessibleDescription(FormulaPanel::spokenFormula(number));
}

void showAwaitedFormula(const WorkWindowControls &controls, int step, const QString &picturePath)
{
    PictureBox &box = *controls.stepFormulaBoxes[step];
    box.loadPicture(picturePath);
    box.setAccessibleDescription(QStringLiteral("Formula da scegliere"));
}

void clearFormula(const WorkWindowControls &controls, int step)
{
    PictureBox &box = *controls.stepFormulaBoxes[step];
    box.clearPicture();
    box.setAccessibleDescription(QStringLiteral("Nessuna formula"));
}

void hideAll(const WorkWindowControls &controls)
{
    for (QLineEdit *box : controls.dataBoxes) {
        box->clear();
        box->setVisible(false);
    }
    for (int i = 0; i < WorkWindowControls::SlotCount; ++i) {
        controls.stepSelectors[i]->setVisible(false);
        controls.stepFormulaBoxes[i]->setVisible(false);
        clearFormula(controls, i);
        controls.equalsSigns[i]->setVisible(false);
        controls.resultBoxes[i]->clear();
        controls.resultBoxes[i]->setVisible(false);
    }
}

} // namespace StepSlots
