#include "editorscreen.h"

#include "problemfigure.h"
#include "workwindow.h"

#include <QDir>
#include <QLineEdit>
#include <QTextDocument>
#include <QTextEdit>
#include <memory>

namespace EditorScreen {

void clear(WorkWindow &window)
{
    window.controls().problemText->clear();
    window.controls().figureBox->clearPicture();
    for (QLineEdit *box : window.controls().dataBoxes)
        box->clear();
    for (int i = 0; i < WorkWindow::SlotCount; ++i) {
        window.clearStepFormula(i);
        window.controls().resultBoxes[i]->clear();
    }
}

QString show(WorkWindow &window, const Problem &problem, const QString &problemPath)
{
    window.controls().problemText->setPlainText(problem.text);

    QString notice =
        ProblemFigure::show(*window.controls().figureBox, problem.figureName, problemPath);
    if (!notice.isEmpty())
        notice += QStringLiteral(" Il problema la indica ancora.");

    for (int i = 0; i < WorkWindow::SlotCount; ++i)
        window.controls().dataBoxes[i]->setText(problem.data[i]);
    for (int i = 0; i < WorkWindow::SlotCount; ++i) {
        const std::optional<int> formula = problem.formulas[i];
        if (formula && *formula >= 0 && *formula <= HighestFormulaNumber)
            window.showStepFormula(i, *formula);
    }
    for (int i = 0; i < WorkWindow::SlotCount; ++i)
        window.controls().resultBoxes[i]->setText(problem.results[i]);
    return notice;
}

QString textOf(const WorkWindow &window)
{
    // The raw text keeps no-break spaces, which toPlainText() would turn into
    // ordinary blanks. Line breaks are written as blanks when the file is saved.
    return window.controls().problemText->document()->toRawText();
}

const QString ScrollingNotice =
    QStringLiteral("Il testo è più lungo del riquadro: l'alunno dovrà scorrerlo per leggerlo "
                   "tutto. Accorcialo, se puoi, perché veda subito anche la domanda.");

// Measured on a copy laid out in the box's own width, so that the answer does
// not depend on whether the box has been shown or has its scroll bar already.
bool textNeedsScrolling(const WorkWindow &window)
{
    const QTextEdit &box = *window.controls().problemText;
    const std::unique_ptr<QTextDocument> copy(box.document()->clone());
    copy->setDefaultFont(box.font());
    const int frame = box.frameWidth();
    const QSize inside = box.size() - QSize(2 * frame, 2 * frame);
    copy->setTextWidth(inside.width());
    return copy->size().height() > inside.height();
}

QString notShownNotice(const QString &path, PictureBox::Loading loading)
{
    if (loading == PictureBox::Loading::NotAPicture)
        return QStringLiteral("Il file «%1» non è un'immagine che Zenuvio sappia mostrare: la "
                              "figura non è stata inserita.")
            .arg(QDir::toNativeSeparators(path));
    return QStringLiteral("La figura non è stata inserita: ") +
           ProblemFigure::whyNotShown(loading, path);
}

QString largerThanBoxNotice(const WorkWindow &window, const QString &figureName)
{
    const PictureBox &box = *window.controls().figureBox;
    const int border = box.borderWidth();
    const QSize inside = box.size() - QSize(2 * border, 2 * border);
    const QSize picture = box.picture().deviceIndependentSize().toSize();
    if (picture.width() <= inside.width() && picture.height() <= inside.height())
        return {};
    return QStringLiteral("La figura «%1» (%2 × %3 punti) è più grande del riquadro della figura "
                          "(%4 × %5): se ne vedrà solo la parte in alto a sinistra.")
        .arg(figureName)
        .arg(picture.width())
        .arg(picture.height())
        .arg(inside.width())
        .arg(inside.height());
}

} // namespace EditorScreen
