#pragma once

#include <QString>

// What the pupil reads beside "Bravo. Hai finito.": how many of the problem's
// data, formulas and results were wrong at least once (entries, not
// attempts: a datum typed wrong three times counts once).
namespace EndSummary {

struct Counts {
    int wrongData = 0;
    int data = 0;
    int wrongFormulas = 0;
    int steps = 0; // each step has one formula and one result
    int wrongResults = 0;
};

// "Risposte sbagliate almeno una volta: 2 dati su 3, 1 formula su 4, nessun
// risultato.", or praise when nothing was wrong.
QString text(const Counts &counts);

} // namespace EndSummary
