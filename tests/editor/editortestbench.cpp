#include "editortestbench.h"

#include "editorhandler.h"
#include "form2.h"
#include "formulacatalogue.h"
#include "formulapanel.h"
#include "messagebox.h"
#include "module1.h"
#include "programfolder.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QtTest>

const QColor EditorTestBench::cliccaColour(255, 255, 0);

namespace {
QString pictureName(const PictureBox &box)
{
    const QColor colour = EditorTestBench::shownColour(box);
    return colour.isValid() ? colour.name() : QStringLiteral("nessuna immagine");
}
} // namespace

EditorTestBench::EditorTestBench()
{
    Module1::resetAll();
    Module1::ModoEditor = 1;
    Module1::ModoRisoluzione = 0;
    makePicture(m_program.filePath(QStringLiteral("Clicca.gif")), cliccaColour);
    ProgramFolder::setOverride(m_program.path());
    m_dialog = ScriptedFileDialog::install();
    MessageBox::setRecording(true);
    MessageBox::clearRecorded();

    m_form = Form2::load(ModeHandlers{makeEditorHandler, nullptr});
    m_form->show();
    QApplication::setActiveWindow(m_form);
    if (!QTest::qWaitForWindowActive(m_form))
        qWarning("The work window did not become active");
}

EditorTestBench::~EditorTestBench()
{
    delete m_form;
    CommonDialog::setBackend(nullptr);
    MessageBox::clearRecorded();
    ProgramFolder::setOverride(QString());
}

void EditorTestBench::click(QWidget *control)
{
    if (auto *text = qobject_cast<QPlainTextEdit *>(control))
        control = text->viewport();
    QTest::mouseClick(control, Qt::LeftButton);
}

void EditorTestBench::type(QWidget *box, const QString &text)
{
    click(box);
    for (const QChar c : text) {
        // QTest knows the keys of ASCII only; any other character comes as the
        // text of a key it does not name, as an input method would send it.
        if (c.unicode() < 128)
            QTest::keyClick(box, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void EditorTestBench::chooseFormula(int number)
{
    const QString caption = m_form->SSTab1->caption(FormulaCatalogue::entry(number).tab);
    for (auto *tab : m_form->SSTab1->findChildren<TabCaption *>()) {
        if (tab->text() == caption)
            QTest::mouseClick(tab, Qt::LeftButton);
    }
    QTest::mouseClick(m_form->picFormula(number), Qt::LeftButton);
}

void EditorTestBench::clickAnswering(QWidget *button, const QString &path)
{
    m_dialog->answer(path);
    click(button);
}

QStringList EditorTestBench::takeMessages()
{
    QStringList texts;
    for (const MessageBox::Shown &shown : MessageBox::recorded())
        texts << shown.text;
    MessageBox::clearRecorded();
    return texts;
}

QStringList EditorTestBench::problemState()
{
    Form2 &f = *m_form;
    QStringList state = {
        QStringLiteral("testo: ") + f.txtTesto->toPlainText(),
        QStringLiteral("figura: %1, %2").arg(Module1::NomeFigura, pictureName(*f.Picture1))};
    for (int i = 0; i < Form2::SlotCount; ++i) {
        const auto formula = Module1::FormuleEditor[i];
        state << QStringLiteral("dato %1: %2").arg(i).arg(f.txtDati[i]->text())
              << QStringLiteral("formula %1: %2, %3")
                     .arg(i)
                     .arg(formula ? QString::number(*formula) : QStringLiteral("nessuna"))
                     .arg(f.picFormRis[i]->hasPicture() ? QStringLiteral("mostrata")
                                                        : QStringLiteral("vuota"))
              << QStringLiteral("risultato %1: %2").arg(i).arg(f.txtRisultato[i]->text());
    }
    return state;
}

QStringList EditorTestBench::tooltipped()
{
    QStringList names;
    for (QWidget *w : m_form->findChildren<QWidget *>())
        if (!w->toolTip().isEmpty())
            names << w->objectName();
    names.sort();
    return names;
}

void EditorTestBench::makePicture(const QString &path, const QColor &colour)
{
    QImage picture(24, 16, QImage::Format_RGB32);
    picture.fill(colour);
    // The reader goes by the content, so a PNG under a GIF's name will do.
    if (!picture.save(path, "PNG"))
        qWarning("Cannot write the picture %s", qPrintable(path));
}

QColor EditorTestBench::shownColour(const PictureBox &box)
{
    if (!box.hasPicture())
        return QColor();
    return box.picture().toImage().pixelColor(0, 0);
}

QByteArray EditorTestBench::bytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<not readable>");
}

void EditorTestBench::putBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qWarning("Cannot write %s", qPrintable(path));
}

QByteArray EditorTestBench::crlfLines(const QByteArrayList &lines)
{
    QByteArray all;
    for (const QByteArray &line : lines)
        all += line + "\r\n";
    return all;
}
