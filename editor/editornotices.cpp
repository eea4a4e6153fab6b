#include "editornotices.h"

#include "problemfigure.h"

#include <QDir>

namespace EditorNotices {

const QString Scrolling =
    QStringLiteral("Il testo è più lungo del riquadro: l'alunno dovrà scorrerlo per leggerlo "
                   "tutto. Accorcialo, se puoi, perché veda subito anche la domanda.");

const QString FigureStillNamed = QStringLiteral(" Il problema la indica ancora.");

QString notShown(const QString &path, PictureBox::Loading loading)
{
    if (loading == PictureBox::Loading::NotAPicture)
        return QStringLiteral("Il file «%1» non è un'immagine che Zenuvio sappia mostrare: la "
                              "figura non è stata inserita.")
            .arg(QDir::toNativeSeparators(path));
    return QStringLiteral("La figura non è stata inserita: ") +
           ProblemFigure::whyNotShown(loading, path);
}

QString largerThanBox(const QString &figureName, QSize picture, QSize room)
{
    if (picture.width() <= room.width() && picture.height() <= room.height())
        return {};
    return QStringLiteral("La figura «%1» (%2 × %3 punti) è più grande del riquadro della figura "
                          "(%4 × %5): se ne vedrà solo la parte in alto a sinistra.")
        .arg(figureName)
        .arg(picture.width())
        .arg(picture.height())
        .arg(room.width())
        .arg(room.height());
}

} // namespace EditorNotices
