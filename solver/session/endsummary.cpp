#include "endsummary.h"

#include <QStringList>

namespace {

// "nessun dato", "1 dato su 3", "2 dati su 3": Italian wants the singular
// after 1, and "nessun"/"nessuna" with the singular for none.
QString counted(int wrong, int total, const char *one, const char *many, const char *none)
{
    if (wrong == 0)
        return QString::fromUtf8(none);
    return QStringLiteral("%1 %2 su %3")
        .arg(wrong)
        .arg(QString::fromUtf8(wrong == 1 ? one : many))
        .arg(total);
}

} // namespace

namespace EndSummary {

QString text(const Counts &counts)
{
    if (counts.wrongData + counts.wrongFormulas + counts.wrongResults == 0)
        return QStringLiteral("Non hai sbagliato niente: bravissimo!");
    const QStringList parts = {
        counted(counts.wrongData, counts.data, "dato", "dati", "nessun dato"),
        counted(counts.wrongFormulas, counts.steps, "formula", "formule", "nessuna formula"),
        counted(counts.wrongResults, counts.steps, "risultato", "risultati", "nessun risultato"),
    };
    return QStringLiteral("Risposte sbagliate almeno una volta: %1.")
        .arg(parts.join(QStringLiteral(", ")));
}

} // namespace EndSummary
