#pragma once

// The formulas of the catalogue read out in Italian words, for screen readers
// and for reading a step aloud: "A = [b × h] / 2" becomes "A uguale b per h,
// il tutto fratto 2". A group of more than one term (a parenthesised group, a
// bracketed numerator, the row under a root) is closed by ", il tutto" when an
// operator follows it, so that the listener knows where the group ends.

#include <QString>

namespace FormulaWords {

// The formula read out in Italian words. Never fails: what cannot be read as
// part of the notation is spoken as written.
QString spoken(const QString &formula);

} // namespace FormulaWords
