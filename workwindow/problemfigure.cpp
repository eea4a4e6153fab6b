#include "problemfigure.h"

#include "figurelocator.h"
#include "fileerror.h"

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
    const PictureBox::Loading loading = box.load(path);
    if (loading != PictureBox::Loading::Done)
        return QStringLiteral("La figura «%1» non si può mostrare: %2")
            .arg(nomeFigura, whyNotShown(loading, path));
    return {};
}

QString whyNotShown(PictureBox::Loading loading, const QString &path)
{
    const QString file = QDir::toNativeSeparators(path);
    switch (loading) {
    case PictureBox::Loading::Missing:
        return QStringLiteral("il file «%1» non esiste.").arg(file);
    case PictureBox::Loading::NotARegularFile:
        return QStringLiteral("«%1» ").arg(file) + FileError::notARegularFile();
    case PictureBox::Loading::TooLarge:
        return QStringLiteral("il file «%1» contiene un'immagine troppo grande (più di %2 milioni "
                              "di punti).")
            .arg(file)
            .arg(PictureBox::MaxPixels / 1'000'000);
    case PictureBox::Loading::NotAPicture:
    case PictureBox::Loading::Done:
        break;
    }
    return QStringLiteral("il file «%1» non è un'immagine leggibile.").arg(file);
}

} // namespace ProblemFigure
