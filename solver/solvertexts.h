#pragma once

#include <QString>

// What solving mode writes into its hint label, and the filter of its open dialog.
namespace SolverTexts {

inline const QString Ciao = QStringLiteral("Ciao");
inline const QString InserisciIDati = QStringLiteral("Inserisci i dati");
inline const QString Bravo = QStringLiteral("Bravo");
inline const QString Errato = QStringLiteral("Errato");
inline const QString Errata = QStringLiteral("Errata");
inline const QString BravoScegliLaFormula = QStringLiteral("Bravo. Scegli la formula");
inline const QString BravoHaiFinito = QStringLiteral("Bravo. Hai finito.");

inline const QString ProblemFilter = QStringLiteral("Zenuvio (*.znv)|*.znv");
inline const QString EmptySlotPicture = QStringLiteral("Vuoto.gif");

} // namespace SolverTexts
