#pragma once

#include <QString>

struct WorkWindowControls;

// What a step's formula box shows: a formula's picture, the picture that says
// a formula is awaited, or nothing; each time it tells assistive technology
// which, in its description.
namespace StepSlots {

void showFormula(const WorkWindowControls &controls, int step, int number);
// Without the picture the slot simply stays empty.
void showAwaitedFormula(const WorkWindowControls &controls, int step, const QString &picturePath);
void clearFormula(const WorkWindowControls &controls, int step);

// Empties the eight step rows and hides them, together with the data boxes,
// as the solving mode wants them before a problem is opened.
void hideAll(const WorkWindowControls &controls);

} // namespace StepSlots
