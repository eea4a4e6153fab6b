#pragma once

#include "problemfile.h"

#include <QList>
#include <QString>

// What a pupil could never reach or finish in a problem. A pupil types the
// data from the first one up to the first empty one, then works the steps
// from the first one on: each step wants its formula and then its result, and
// the steps end at the first empty result. So a datum after an empty one, and
// a step after a step without result, are never reached; a step with a
// formula but no result ends the problem there; and a step with a result but
// no formula never takes a formula. The first step is reached always, even
// when the problem has none, and there the result box shows only once the
// right formula is chosen: without a formula it stops the pupil for good (a
// later step shows its result box at once, and the pupil finishes it with
// the result alone).
namespace ProblemFlaws {

struct Flaw {
    // In Italian, naming data and steps as the pupil counts them (1 to 8):
    // "il passaggio 2 ha il risultato ma non la formula".
    QString text;
    // The pupil gets stuck there and can never finish.
    bool stopsThePupil = false;
};

// The flaws in the order of the problem: data first, then steps.
QList<Flaw> find(const Problem &problem);

} // namespace ProblemFlaws
