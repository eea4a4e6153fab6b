#include "editorscreen.h"

#include "problemfigure.h"
#include "workwindow.h"

#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace EditorScreen {

void clear(WorkWindow &window)
{
    window.txtTesto->clear();
    window.figureBox->clearPicture();
    for (QLineEdit *box : window.txtDati)
        box->clear();
    for (int i = 0; i < WorkWindow::SlotCount; ++i) {
        window.clearStepFormula(i);
        window.txtRisultato[i]->clear();
    }
}

QString show(WorkWindow &window, const EditorProblem &problem, const QString &problemPath)
{
    window.txtTesto->setPlainText(problem.testo);

    QString notice = ProblemFigure::show(*window.figureBox, problem.nomeFigura, problemPath);
    if (!notice.isEmpty())
        notice += QStringLiteral(" Il problema la indica ancora.");

    for (int i = 0; i < WorkWindow::SlotCount; ++i)
        window.txtDati[i]->setText(problem.dati[i]);
    for (int i = 0; i < WorkWindow::SlotCount; ++i) {
        const std::optional<int> formula = problem.formule[i];
        if (formula && *formula >= 0 && *formula <= HighestFormulaNumber)
            window.showStepFormula(i, *formula);
    }
    for (int i = 0; i < WorkWindow::SlotCount; ++i)
        window.txtRisultato[i]->setText(problem.risultati[i]);
    return notice;
}

QString textOf(const WorkWindow &window)
{
    // The raw text keeps no-break spaces, which toPlainText() would turn into
    // ordinary blanks. Line breaks are written as blanks when the file is saved.
    return window.txtTesto->document()->toRawText();
}

QString notAPictureNotice(const QString &path)
{
    return QStringLiteral("Il file «%1» non è un'immagine che Zenuvio sappia mostrare: la figura "
                          "non è stata inserita.")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace EditorScreen
