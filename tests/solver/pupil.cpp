#include "pupil.h"

#include "form2.h"
#include "formulacatalogue.h"
#include "formulapanel.h"
#include "messagebox.h"
#include "module1.h"
#include "programfolder.h"
#include "scriptedfiledialog.h"
#include "solverhandler.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

Pupil::Pupil()
{
    MessageBox::setRecording(true);
    m_dialog = ScriptedFileDialog::install();
    Module1::ModoEditor = 0;
    Module1::ModoRisoluzione = 1;
    m_form = Form2::load(ModeHandlers{{}, makeSolverHandler});
    m_form->show();
    QApplication::setActiveWindow(m_form);
    if (!QTest::qWaitForWindowActive(m_form))
        qWarning("The work window did not become active: focus cannot be checked.");
}

Pupil::~Pupil()
{
    m_form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    CommonDialog::setBackend(nullptr);
}

bool Pupil::isActive() const
{
    return m_form->isActiveWindow();
}

void Pupil::open(const QString &path)
{
    m_dialog->answer(path);
    QTest::mouseClick(m_form->cmdApri_Risoluzione, Qt::LeftButton);
}

bool Pupil::typeInto(QWidget *box, const QString *text)
{
    if (!box->isVisible() || !box->isEnabled())
        return false;
    QTest::mouseClick(box, Qt::LeftButton);
    if (text) {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, *text);
    }
    QTest::keyClick(box, Qt::Key_Return);
    return true;
}

bool Pupil::typeDato(int index, const QString &text)
{
    return typeInto(m_form->txtDati.at(index), &text);
}

bool Pupil::typeRisultato(int index, const QString &text)
{
    return typeInto(m_form->txtRisultato.at(index), &text);
}

bool Pupil::enterDato(int index)
{
    return typeInto(m_form->txtDati.at(index), nullptr);
}

bool Pupil::enterRisultato(int index)
{
    return typeInto(m_form->txtRisultato.at(index), nullptr);
}

bool Pupil::clickFormula(int number)
{
    FormulaPanel &panel = *m_form->SSTab1;
    const QString caption = panel.caption(FormulaCatalogue::entry(number).tab);
    const auto captions = panel.findChildren<TabCaption *>(Qt::FindDirectChildrenOnly);
    for (TabCaption *tab : captions) {
        if (tab->text() == caption && tab->isVisible())
            QTest::mouseClick(tab, Qt::LeftButton);
    }
    PictureBox *box = m_form->picFormula(number);
    if (!box->isVisible())
        return false;
    QTest::mouseClick(box, Qt::LeftButton);
    return box->isEnabled();
}

bool Pupil::clickTesto()
{
    QPlainTextEdit *testo = m_form->txtTesto;
    if (!testo->isVisible())
        return false;
    QTest::mouseClick(testo->viewport(), Qt::LeftButton);
    return testo->isEnabled();
}

QString Pupil::slotPicture(int step) const
{
    const QPixmap &picture = m_form->picFormRis.at(step)->picture();
    if (picture.isNull())
        return QStringLiteral("-");
    for (int n = 0; n < FormulaPanel::FormulaCount; ++n) {
        if (picture.cacheKey() == m_form->picFormula(n)->picture().cacheKey())
            return QString::number(n);
    }
    const QImage vuoto(ProgramFolder::file(QStringLiteral("Vuoto.gif")));
    if (!vuoto.isNull() && picture.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied) ==
                               vuoto.convertToFormat(QImage::Format_ARGB32_Premultiplied))
        return QStringLiteral("v");
    return QStringLiteral("?");
}

QString Pupil::state() const
{
    QString dati;
    QStringList shownSlots;
    QString risultati;
    for (int i = 0; i < Form2::SlotCount; ++i) {
        if (m_form->txtDati[i]->isVisible())
            dati += QString::number(i);
        if (m_form->picFormRis[i]->isVisible())
            shownSlots << QStringLiteral("%1=%2").arg(i).arg(slotPicture(i));
        if (m_form->txtRisultato[i]->isVisible())
            risultati += QString::number(i);
        // The "=" label belongs with its slot.
        if (m_form->Label1[i]->isVisible() != m_form->picFormRis[i]->isVisible())
            shownSlots << QStringLiteral("%1:= without its slot").arg(i);
    }
    const auto orDash = [](const QString &s) { return s.isEmpty() ? QStringLiteral("-") : s; };
    return QStringLiteral("dati %1 slot %2 ris %3 %4 k%5")
        .arg(orDash(dati), orDash(shownSlots.join(QLatin1Char(' '))), orDash(risultati),
             m_form->SSTab1->isSwitchedOn() ? QStringLiteral("on") : QStringLiteral("off"))
        .arg(Module1::Contatore);
}

QString Pupil::hint() const
{
    return m_form->lblAvviso_Risoluzione->text();
}

QString Pupil::focus() const
{
    const QWidget *widget = QApplication::focusWidget();
    return widget ? widget->objectName() : QStringLiteral("-");
}

namespace TestProblems {

QString write(const QString &folder, const QString &fileName, const EditorProblem &problem)
{
    const QString path = folder + QLatin1Char('/') + fileName;
    const QString error = ProblemFile::write(path, problem);
    if (!error.isEmpty()) {
        QTest::qFail(qPrintable(error), __FILE__, __LINE__);
        return {};
    }
    return path;
}

QString writeBytes(const QString &folder, const QString &fileName, const QByteArray &bytes)
{
    const QString path = folder + QLatin1Char('/') + fileName;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        QTest::qFail(qPrintable(file.errorString()), __FILE__, __LINE__);
        return {};
    }
    return path;
}

} // namespace TestProblems
