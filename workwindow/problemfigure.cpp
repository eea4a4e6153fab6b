#include "problemfigure.h"

#include "figurelocator.h"
#include "picturebox.h"

#include <QDir>

namespace ProblemFigure {

QString show(PictureBox &box, const QString &nomeFigura, const QString &problemPath)
{
    box.clearPicture();
    if (nomeFigura.isEmpty())
        return {};
    if (!FigureLocator::isSafeName(nomeFigura))
        return QStringLiteral("Il problema indica come figura «%1», che non è il nome di un file "
                              "di figura: la figura non è mostrata.")
            .arg(nomeFigura);
    const QString path = FigureLocator::locate(nomeFigura, problemPath);
    if (path.isEmpty())
        return QStringLiteral("La figura «%1» non è stata trovata né nella cartella del programma "
                              "né accanto al file del problema: la figura non è mostrata.")
            .arg(nomeFigura);
    if (!box.loadPicture(path))
        return QStringLiteral("La figura «%1» non si può mostrare: il file «%2» non è "
                              "un'immagine leggibile.")
            .arg(nomeFigura, QDir::toNativeSeparators(path));
    return {};
}

} // namespace ProblemFigure
