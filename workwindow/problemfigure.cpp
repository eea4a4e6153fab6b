#include "problemfigure.h"

#include "figurelocator.h"
#include "fileerror.h"

#include <QDir>

namespace ProblemFigure {

Figure load(const QString &figureName, const QString &problemPath, Use use)
{
    if (figureName.isEmpty())
        return {};
    const bool onScreen = use == Use::Screen;
    const QString without = onScreen ? QStringLiteral("la figura non è mostrata.")
                                     : QStringLiteral("la scheda è senza figura.");
    if (!FigureLocator::isSafeName(figureName))
        return {{},
                QStringLiteral("Il problema indica come figura «%1», che non è il nome di un file "
                               "di figura: ")
                        .arg(figureName) +
                    without};
    const QString path = FigureLocator::locate(figureName, problemPath);
    if (path.isEmpty())
        return {{},
                QStringLiteral("La figura «%1» non è stata trovata né nella cartella del programma "
                               "né accanto al file del problema: ")
                        .arg(figureName) +
                    without};
    const PictureFile::Read read = PictureFile::read(path);
    if (read.loading != PictureFile::Loading::Done) {
        const QString why = whyNotShown(read.loading, path);
        if (onScreen)
            return {{},
                    QStringLiteral("La figura «%1» non si può mostrare: %2").arg(figureName, why)};
        return {{},
                QStringLiteral("La figura «%1» non si può stampare: %2 La scheda è senza figura.")
                    .arg(figureName, why)};
    }
    return {read.image, {}};
}

QString show(PictureBox &box, const QString &figureName, const QString &problemPath)
{
    box.clearPicture();
    const Figure figure = load(figureName, problemPath, Use::Screen);
    if (!figure.image.isNull())
        box.setPicture(QPixmap::fromImage(figure.image));
    return figure.notice;
}

QString whyNotShown(PictureBox::Loading loading, const QString &path)
{
    const QString file = QDir::toNativeSeparators(path);
    switch (loading) {
    case PictureBox::Loading::Missing:
        return QStringLiteral("il file «%1» non esiste.").arg(file);
    case PictureBox::Loading::NotARegularFile:
        return QStringLiteral("«%1» ").arg(file) + FileError::notARegularFile();
    case PictureBox::Loading::FileTooLarge:
        return QStringLiteral("il file «%1» è troppo grande per essere una figura (più di %2 MB).")
            .arg(file)
            .arg(PictureFile::MaxBytes / (1024 * 1024));
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
