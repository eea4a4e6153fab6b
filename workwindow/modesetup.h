#pragma once

#include <QString>

class WorkWindow;

// Arranges a freshly built work window for one of its two modes.
namespace ModeSetup {

inline const QString tipTesto = QStringLiteral("Clicca e poi digita il testo del problema");
inline const QString tipFigura =
    QStringLiteral("Clicca e scegli dall'elenco la figura che vuoi inserire.");
inline const QString tipDato = QStringLiteral("Clicca e digita il dato del problema.");
inline const QString tipFormula =
    QStringLiteral("Clicca e poi scegli, dal pannello di destra, la formula che vuoi inserire.");
inline const QString tipRisultato =
    QStringLiteral("Clicca e digita il risultato e l'unità di misura.");

void setUpForSolving(WorkWindow &form);
void setUpForEditing(WorkWindow &form);

// Empties the eight step rows and hides them, together with the data boxes,
// as the solving mode wants them before a problem is opened.
void hideAllSlots(WorkWindow &form);

} // namespace ModeSetup
