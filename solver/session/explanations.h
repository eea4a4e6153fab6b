#pragma once

#include "attemptrecord.h"

#include <QString>

// Why a wrong answer is wrong, when the program can tell: a second, smaller
// text beside the verdict, which stays as it always was. A wrong number gets
// no explanation: finding that mistake is the pupil's work. Numbers are
// compared as decimal text, never as floating point.
namespace Explanations {

// A datum or a result: the number is right but written otherwise (a decimal
// point, other zeros), or the unit is written otherwise (cmq, cm2, cm^2,
// capitals) or missing, or has the other dimension (a length where an area is
// asked, or the reverse), or only the blanks differ. Empty when none of these.
QString forEntry(const QString &typed, const QString &expected);

// Judging by value, when the teacher asks for it: the entry has the expected
// value and unit, written in another form (other zeros, blanks, cmq, cm2,
// capitals). A decimal point is not taken for the comma.
bool sameQuantity(const QString &typed, const QString &expected);
// Said beside "Bravo" for such an entry: how the expected form is written.
// Empty when the entry is written as expected.
QString expectedForm(const QString &typed, const QString &expected);

// The formula chosen has the very formula text of the right one, on another
// tab of the panel.
QString sameFormulaOtherTab(const QString &tabCaption);
// The second wrong formula at the same step: where the right one is.
QString whereTheFormulaIs(const QString &tabCaption);

// The kind of slip of a wrong datum or result, kept in the attempt record:
// the ones explained above (decimal point, zeros, unit, blanks), a length
// typed for an area or an area for a length, or else a wrong number.
// Slip::None when the entry is right.
Slip slipOf(const QString &typed, const QString &expected);

// What the pupil presses to type "²" in a data or result box.
inline const QString SquareKey = QStringLiteral("Ctrl+2");

} // namespace Explanations
