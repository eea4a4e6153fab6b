#include "editingscreen.h"

#include "formulapanel.h"
#include "problemfigure.h"
#include "singlelinetext.h"
#include "stepslots.h"
#include "workwindow.h"

#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolTip>
#include <memory>

namespace {

bool knownFormula(const std::optional<int> &formula)
{
    return formula && isFormulaNumber(*formula);
}

// A box with a flaw gets a pale red background, the flaw as its tooltip and
// as its description for screen readers; a box no longer flawed gets back
// the window's own look, and loses the tooltip only if it was the flaw's.
void mark(QLineEdit *box, const QString &flaw, bool &marked)
{
    if (!flaw.isEmpty()) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, QColor(0xff, 0xd8, 0xd8));
        box->setPalette(palette);
        box->setToolTip(flaw);
        box->setAccessibleDescription(flaw);
        marked = true;
    } else if (marked) {
        box->setPalette(QPalette());
        box->setToolTip(QString());
        box->setAccessibleDescription(QString());
        marked = false;
    }
}

} // namespace

void EditingScreen::prepareTextForEditing()
{
    new SingleLineText(m_controls.problemText);
    // The editor's history undoes the text too: the box keeps none of its own.
    m_controls.problemText->setUndoRedoEnabled(false);
}

// The text, the figure box (no picture at all), the data boxes, the steps'
// formula boxes and the result boxes, in that order.
void EditingScreen::clear()
{
    m_controls.problemText->clear();
    m_controls.figureBox->clearPicture();
    for (QLineEdit *box : m_controls.dataBoxes)
        box->clear();
    for (int i = 0; i < ProblemSlotCount; ++i) {
        StepSlots::clearFormula(m_controls, i);
        m_controls.resultBoxes[i]->clear();
    }
}

QString EditingScreen::show(const Problem &problem, const QString &problemPath)
{
    m_controls.problemText->setPlainText(problem.text);
    const QString notice =
        ProblemFigure::show(*m_controls.figureBox, problem.figureName, problemPath);
    for (int i = 0; i < ProblemSlotCount; ++i)
        m_controls.dataBoxes[i]->setText(problem.data[i]);
    for (int i = 0; i < ProblemSlotCount; ++i) {
        if (knownFormula(problem.formulas[i]))
            StepSlots::showFormula(m_controls, i, *problem.formulas[i]);
    }
    for (int i = 0; i < ProblemSlotCount; ++i)
        m_controls.resultBoxes[i]->setText(problem.results[i]);
    return notice;
}

void EditingScreen::showRestored(const Problem &problem, const QImage &figure)
{
    if (text() != problem.text)
        m_controls.problemText->setPlainText(problem.text);
    if (figure.isNull())
        m_controls.figureBox->clearPicture();
    else
        m_controls.figureBox->setPicture(QPixmap::fromImage(figure));
    for (int i = 0; i < ProblemSlotCount; ++i) {
        if (m_controls.dataBoxes[i]->text() != problem.data[i])
            m_controls.dataBoxes[i]->setText(problem.data[i]);
        if (m_controls.resultBoxes[i]->text() != problem.results[i])
            m_controls.resultBoxes[i]->setText(problem.results[i]);
        if (knownFormula(problem.formulas[i]))
            StepSlots::showFormula(m_controls, i, *problem.formulas[i]);
        else
            StepSlots::clearFormula(m_controls, i);
    }
}

void EditingScreen::showModified(bool modified)
{
    m_window.setWindowModified(modified);
}

QString EditingScreen::text() const
{
    // The raw text keeps no-break spaces, which toPlainText() would turn into
    // ordinary blanks. Line breaks are written as blanks when the file is saved.
    return m_controls.problemText->document()->toRawText();
}

// Measured on a copy laid out in the box's own width, so that the answer does
// not depend on whether the box has been shown or has its scroll bar already.
bool EditingScreen::textNeedsScrolling() const
{
    const QTextEdit &box = *m_controls.problemText;
    const std::unique_ptr<QTextDocument> copy(box.document()->clone());
    copy->setDefaultFont(box.font());
    const int frame = box.frameWidth();
    const QSize inside = box.size() - QSize(2 * frame, 2 * frame);
    copy->setTextWidth(inside.width());
    return copy->size().height() > inside.height();
}

void EditingScreen::showTextNotice(const QString &notice, bool popUp)
{
    QTextEdit *box = m_controls.problemText;
    box->setToolTip(notice);
    box->setAccessibleDescription(notice);
    if (notice.isEmpty())
        QToolTip::hideText();
    else if (popUp && box->isVisible())
        QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), notice, box);
}

PictureBox::Loading EditingScreen::loadFigure(const QString &path)
{
    return m_controls.figureBox->load(path);
}

void EditingScreen::clearFigure()
{
    m_controls.figureBox->clearPicture();
}

// A missing picture just leaves the figure box empty.
void EditingScreen::showFigurePrompt(const QString &picturePath)
{
    m_controls.figureBox->loadPicture(picturePath);
}

QSize EditingScreen::figureSize() const
{
    return m_controls.figureBox->picture().deviceIndependentSize().toSize();
}

QSize EditingScreen::figureRoom() const
{
    const PictureBox &box = *m_controls.figureBox;
    const int border = box.borderWidth();
    return box.size() - QSize(2 * border, 2 * border);
}

void EditingScreen::showStepFormula(int step, int formula)
{
    StepSlots::showFormula(m_controls, step, formula);
}

void EditingScreen::clearStepFormula(int step)
{
    StepSlots::clearFormula(m_controls, step);
}

void EditingScreen::selectStep(int step)
{
    m_controls.stepSelectors[step]->setChecked(true);
}

void EditingScreen::showResult(int step, const QString &result)
{
    m_controls.resultBoxes[step]->setText(result);
}

void EditingScreen::showFormulaTab(int tab)
{
    m_controls.formulaPanel->showTab(tab);
}

void EditingScreen::focusFirstDatum()
{
    m_controls.dataBoxes[0]->setFocus();
}

void EditingScreen::markFlaws(const SlotTexts &dataFlaws, const SlotTexts &resultFlaws)
{
    for (int k = 0; k < ProblemSlotCount; ++k) {
        mark(m_controls.dataBoxes[k], dataFlaws[k], m_datumMarked[k]);
        mark(m_controls.resultBoxes[k], resultFlaws[k], m_resultMarked[k]);
    }
}

void EditingScreen::removeHints(HintRow row)
{
    const WorkWindowControls &c = m_controls;
    switch (row) {
    case HintRow::Text:
        c.problemText->setToolTip(QString());
        return;
    case HintRow::Figure:
        c.figureBox->setToolTip(QString());
        return;
    case HintRow::Data:
        for (QLineEdit *box : c.dataBoxes)
            box->setToolTip(QString());
        return;
    case HintRow::Formulas:
        for (PictureBox *box : c.stepFormulaBoxes)
            box->setToolTip(QString());
        return;
    case HintRow::Results:
        for (QLineEdit *box : c.resultBoxes)
            box->setToolTip(QString());
        return;
    }
}
