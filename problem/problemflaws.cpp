#include "problemflaws.h"

namespace ProblemFlaws {

QList<Flaw> find(const Problem &problem)
{
    QList<Flaw> flaws;

    int firstEmptyDatum = -1;
    for (int i = 0; i < ProblemSlotCount; ++i) {
        if (problem.data[i].isEmpty()) {
            if (firstEmptyDatum < 0)
                firstEmptyDatum = i;
        } else if (firstEmptyDatum >= 0) {
            flaws.append({QStringLiteral("il dato %1 viene dopo il dato %2, che è vuoto")
                              .arg(i + 1)
                              .arg(firstEmptyDatum + 1),
                          false});
        }
    }

    // The pupil reaches the first step, and every later one whose result and
    // the results before it are filled in.
    int end = ProblemSlotCount; // the first step without a result
    for (int i = 0; i < ProblemSlotCount && end == ProblemSlotCount; ++i)
        if (problem.results[i].isEmpty())
            end = i;
    for (int i = 0; i < ProblemSlotCount; ++i) {
        const bool formula = problem.formulas[i].has_value();
        const bool result = !problem.results[i].isEmpty();
        const int n = i + 1;
        if (i > end && (formula || result)) {
            flaws.append({QStringLiteral("il passaggio %1 viene dopo il passaggio %2, che non ha "
                                         "il risultato")
                              .arg(n)
                              .arg(end + 1),
                          false});
        } else if (formula && !result) {
            flaws.append(
                {QStringLiteral("il passaggio %1 ha la formula ma non il risultato").arg(n),
                 false});
        } else if (result && !formula) {
            flaws.append(
                {QStringLiteral("il passaggio %1 ha il risultato ma non la formula").arg(n),
                 i == 0});
        } else if (i == 0 && !formula) {
            flaws.append(
                {QStringLiteral("il passaggio 1 non ha né la formula né il risultato"), true});
        }
    }
    return flaws;
}

} // namespace ProblemFlaws
