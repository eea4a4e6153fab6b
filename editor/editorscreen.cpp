#include "editorscreen.h"

#include "problemfigure.h"
#include "workwindow.h"

#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace EditorScreen {

void clearControls(WorkWindow &form)
{
    form.txtTesto->clear();
    form.figureBox->clearPicture();
    forEachSlot([&form](int i) { form.txtDati[i]->clear(); });
    forEachSlot([&form](int i) {
        form.stepFormulaBoxes[i]->clearPicture();
        form.txtRisultato[i]->clear();
    });
}

void forgetFigureAndFormulas()
{
    Module1::NomeFigura.clear();
    Module1::FormuleEditor.fill(std::nullopt);
}

EditorProblem problemOnScreen(const WorkWindow &form)
{
    EditorProblem problem;
    // The raw text keeps no-break spaces, which toPlainText() would turn into
    // ordinary blanks; line breaks become blanks either way.
    problem.testo = ProblemFile::toSingleLine(form.txtTesto->document()->toRawText());
    problem.nomeFigura = Module1::NomeFigura;
    for (int i = 0; i < Module1::SlotCount; ++i) {
        problem.dati[i] = form.txtDati[i]->text();
        problem.formule[i] = Module1::FormuleEditor[i];
        problem.risultati[i] = form.txtRisultato[i]->text();
    }
    return problem;
}

void storeReadProblem(const EditorProblem &problem)
{
    Module1::NomeFigura = problem.nomeFigura;
    Module1::Dati = problem.dati;
    Module1::FormuleEditor = problem.formule;
    Module1::Risultati = problem.risultati;
}

QString showStoredProblem(WorkWindow &form, const QString &testo, const QString &problemPath)
{
    form.txtTesto->setPlainText(testo);

    // A figure that cannot be shown keeps its name, so saving again keeps it.
    QString notice = ProblemFigure::show(*form.figureBox, Module1::NomeFigura, problemPath);
    if (!notice.isEmpty())
        notice += QStringLiteral(" Il problema la indica ancora.");

    forEachSlot([&form](int i) { form.txtDati[i]->setText(Module1::Dati[i]); });
    forEachSlot([&form](int i) {
        const std::optional<int> formula = Module1::FormuleEditor[i];
        if (formula && *formula >= 0 && *formula <= HighestFormulaNumber)
            form.stepFormulaBoxes[i]->copyPictureFrom(*form.picFormula(*formula));
    });
    forEachSlot([&form](int i) { form.txtRisultato[i]->setText(Module1::Risultati[i]); });
    return notice;
}

QString notAPictureNotice(const QString &path)
{
    return QStringLiteral("Il file «%1» non è un'immagine che Zenuvio sappia mostrare: la figura "
                          "non è stata inserita.")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace EditorScreen
