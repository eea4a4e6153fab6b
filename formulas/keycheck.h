#pragma once

// The teacher's key checked against the formulas: for each step with a
// formula and a result, the inputs of the formula are fed in every way from
// the data and the earlier results whose dimension fits (each quantity used
// once in a step), and the step follows when one feeding gives the result as
// written, i.e. when the worked-out value rounded half away from zero to the
// decimals the teacher wrote is the teacher's number. Besides, what a pupil
// cannot see or match is listed: blanks at either end or doubled, a unit of
// the wrong dimension, a result without unit where the data have one, a
// formula from another tab than the problem's others.

#include "decimal.h"
#include "formulaexpression.h"
#include "problemfile.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <array>
#include <optional>

namespace KeyCheck {

// A datum or result read as a number and a unit: "7,5 cm", "168 cm²", "54".
struct Quantity {
    Decimal value;
    int decimals = 0;                   // as written
    QString unit;                       // as written, may be empty
    QString lengthUnit;                 // "cm" for "cm" and for "cm²"; empty when unknown
    std::optional<Dimension> dimension; // nothing without a known unit
};
std::optional<Quantity> readQuantity(const QString &text);

// A value in the form a pupil writes it: exact when it needs at most
// `decimals` decimals, otherwise rounded to that many; "56,25 cm²".
QString written(Decimal value, const QString &unit, int decimals = 2);

enum class Verdict { Follows, DoesNotFollow, CannotCompute };

struct StepCheck {
    int step = 0; // 0..7
    Verdict verdict = Verdict::CannotCompute;
    // Every distinct value the formula gives from the quantities above it, as
    // a pupil writes it, the one nearest the teacher's result first.
    QStringList values;
};

struct Report {
    QList<StepCheck> steps; // the steps with a formula and a result, in order
    // Sentences in Italian, each ending with a full stop, in the problem's
    // order: data first, then the steps.
    QStringList flaws;
    // The same sentences by the box they concern, joined by a blank; empty
    // for a box without flaw.
    std::array<QString, ProblemSlotCount> datumFlaws;
    std::array<QString, ProblemSlotCount> resultFlaws;
};

Report check(const Problem &problem);

// How a step that follows is computed: for each input of its formula, in the
// formula's order of inputs, where its quantity comes from (0..7 the datum of
// that slot, ProblemSlotCount + i the result of step i), and the value worked
// out before the teacher's rounding. The first feeding that gives the result
// as written; nothing when none does.
struct Computation {
    QList<int> sources;
    Decimal value;
};
std::optional<Computation> computation(const Problem &problem, int step);

// The values the step's formula gives from the data and the results above it
// (empty when the step has no formula or nothing can be computed).
QStringList possibleResults(const Problem &problem, int step);

// The line --controlla prints for a step: "Passaggio 1: torna (6 cm)." or the
// flaw sentence of a step that does not follow.
QString stepLine(const Problem &problem, const StepCheck &check);

// zenuvio --controlla FILE...: for each file its name, then one line per
// step with a formula and a result and one per other flaw. Gives 0 when every
// key follows with no flaw, 1 when one does not, 2 when a file cannot be read
// (its message goes to `errors`, and the other files are still checked).
int checkFiles(const QStringList &paths, QTextStream &out, QTextStream &errors);

} // namespace KeyCheck
