#pragma once

#include <QString>

class QPalette;
struct WorkWindowControls;

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

// The figure box takes the window's button colour (from `palette`) in solving.
void setUpForSolving(const WorkWindowControls &controls, const QPalette &palette);
void setUpForEditing(const WorkWindowControls &controls);

} // namespace ModeSetup
