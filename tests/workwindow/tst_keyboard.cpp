// Both modes with the keyboard alone: no mouse event at all. A pupil solves an
// example problem, a teacher composes and saves one; after each act the focus
// is where the next act is.
//
// A script is a list of "keys -> what then": keys are words typed ("type:12
// cm"), key names ("Enter", "Space", "Tab", "Ctrl+Tab", "Right*3"), or
// "Tab>name" (Tab until the control of that design name has the focus); what
// then is the hint ("-" to leave it unchecked) and the design name of the
// control with the focus.
#include "accessibility.h"
#include "editorhandler.h"
#include "formulapanel.h"
#include "messagebox.h"
#include "programfolder.h"
#include "readaloud.h"
#include "readingpanel.h"
#include "scriptedfiledialog.h"
#include "solverhandler.h"
#include "speaker.h"
#include "windowcontrols.h"
#include "worksheet.h"
#include "workwindow.h"

#include <QLabel>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

const QString Examples = QStringLiteral(ZENUVIO_SOURCE_DIR "/examples/");

QWidget *focused()
{
    return QApplication::focusWidget();
}

QString focusName()
{
    return focused() ? focused()->objectName() : QStringLiteral("-");
}

// Presses the keys of one script step on whatever has the focus.
bool press(const QString &keys)
{
    if (keys.startsWith("type:")) {
        QTest::keyClicks(focused(), keys.mid(5));
        return true;
    }
    if (keys.startsWith("Tab>")) {
        for (int i = 0; i < 300 && focusName() != keys.mid(4); ++i)
            QTest::keyClick(focused(), Qt::Key_Tab);
        return focusName() == keys.mid(4);
    }
    const QString name = keys.section('*', 0, 0);
    const int times = keys.contains('*') ? keys.section('*', 1).toInt() : 1;
    const QKeySequence sequence(name == "Enter" ? QStringLiteral("Return") : name);
    const QKeyCombination combination = sequence[0];
    for (int i = 0; i < times; ++i)
        QTest::keyClick(focused(), combination.key(), combination.keyboardModifiers());
    return true;
}

// A work window of the mode with both modes' handlers, shown and active (or
// none, when the platform cannot make it active).
std::unique_ptr<WorkWindow> activeWindow(WorkMode mode, ReadAloud *readAloud = nullptr)
{
    std::unique_ptr<WorkWindow> window(
        WorkWindow::load(mode, {makeEditorHandler, makeSolverHandler}));
    window->setReadAloud(readAloud);
    window->show();
    QApplication::setActiveWindow(window.get());
    if (!QTest::qWaitForWindowActive(window.get()))
        return nullptr;
    return window;
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void session_data();
    void session();
    void ctrlPPrintsTheWorksheet_data();
    void ctrlPPrintsTheWorksheet();
    void readAloudAndEasyReading();

private:
    QTemporaryDir m_folder;
    std::optional<ProgramFolder::Override> m_program;
};

void TestKeyboard::initTestCase()
{
    Accessibility::install();
    QVERIFY(QFile::copy(ZENUVIO_SOURCE_DIR "/resources/beside/Vuoto.gif",
                        m_folder.filePath("Vuoto.gif")));
    m_program.emplace(m_folder.path());
}

void TestKeyboard::session_data()
{
    QTest::addColumn<WorkMode>("mode");
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QByteArray>("saved"); // the start of the file saved, if any

    // The rectangle's formulas lie on the second tab: 9, 6, 12 in reading order
    // 6 7 8 9 11 10 12 13 14.
    QTest::newRow("una alunna risolve il rettangolo")
        << WorkMode::Solving
        << QStringList{
               "Enter -> Inserisci i dati | txtDati_0",
               "type:12 cm -> - | txtDati_0",
               "Enter -> Bravo | txtDati_1",
               "type:5 cm -> - | txtDati_1",
               "Enter -> Bravo. Scegli la formula | picFormRis_0",
               "Space -> - | picFormula_0",
               "Ctrl+Tab -> - | picFormula_6",
               "Space -> Errata | picFormRis_0",
               "Space -> Errata | picFormula_6",
               "Right*3 -> Errata | picFormula_9",
               "Space -> Bravo | txtRisultato_0",
               "type:34 cm -> - | txtRisultato_0",
               "Enter -> Bravo. Scegli la formula | picFormRis_1",
               "Space -> - | picFormula_6",
               "Space -> Bravo | txtRisultato_1",
               "type:60 cm² -> - | txtRisultato_1",
               "Enter -> Bravo. Scegli la formula | picFormRis_2",
               "Space -> - | picFormula_6",
               "Ctrl+Shift+Tab -> - | picFormula_0",
               "Ctrl+Tab -> - | picFormula_6",
               "Right*6 -> - | picFormula_12",
               "Left -> - | picFormula_10",
               "Down -> - | picFormula_12",
               "Enter -> Bravo | txtRisultato_2",
               "type:13 cm -> - | txtRisultato_2",
               "Enter -> Bravo. Hai finito. | cmdApri_Risoluzione",
           }
        << QByteArray();
    QTest::newRow("un insegnante compone un quadrato")
        << WorkMode::Editor
        << QStringList{
               "type:Un quadrato ha il lato di 5 cm. -> - | txtTesto",
               "Tab>txtDati_0 -> - | txtDati_0",
               "type:5 cm -> - | txtDati_0",
               "Tab>txtDati_1 -> - | txtDati_1",
               "type:A = 25 cm -> - | txtDati_1",
               "Ctrl+2 -> - | txtDati_1",
               "Tab>picFormRis_0 -> - | picFormRis_0",
               "Space -> - | picFormula_0",
               "Space -> - | txtRisultato_0",
               "type:25 cm² -> - | txtRisultato_0",
               "Tab>picFormRis_1 -> - | picFormRis_1",
               "Enter -> - | picFormula_0",
               "Right*3 -> - | picFormula_2",
               "Space -> - | txtRisultato_1",
               "type:20 cm -> - | txtRisultato_1",
               "Tab>cmdSalva -> - | cmdSalva",
               "Enter -> - | cmdSalva",
           }
        << QByteArray("Un quadrato ha il lato di 5 cm.\r\n\r\n5 cm\r\nA = 25 cm\xB2\r\n\r\n\r\n"
                      "\r\n\r\n\r\n\r\n 0 \r\n 2 \r\n");
}

void TestKeyboard::session()
{
    QFETCH(WorkMode, mode);
    QFETCH(QStringList, script);
    QFETCH(QByteArray, saved);
    QTemporaryDir work;
    ScriptedDialogs dialog;
    dialog->answer(mode == WorkMode::Solving ? Examples + "Rettangolo.znv"
                                             : work.filePath("quadrato.znv"));
    MessageBox::Recording boxes;
    const std::unique_ptr<WorkWindow> window = activeWindow(mode);
    if (!window)
        QSKIP("The work window cannot be made active here.");
    for (const QString &step : script) {
        QVERIFY2(press(step.section(" -> ", 0, 0)), qPrintable(step + ": not reached"));
        const QString hint = controlsOf(*window).hintLabel->text();
        const QString expected = step.section(" -> ", 1);
        const QString seen =
            (expected.startsWith("- |") ? QStringLiteral("-") : hint) + " | " + focusName();
        QVERIFY2(seen == expected, qPrintable(step + "\n   seen: " + seen));
    }
    QVERIFY(boxes.shown().isEmpty());
    if (!saved.isEmpty()) {
        QFile file(work.filePath("quadrato.znv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().left(saved.size()), saved);
    }
}

void TestKeyboard::ctrlPPrintsTheWorksheet_data()
{
    QTest::addColumn<WorkMode>("mode");
    QTest::addColumn<int>("pages"); // the editor's sheet has its page of solutions
    QTest::addColumn<bool>("fullDisk");
    QTest::newRow("editor") << WorkMode::Editor << 2 << false;
    QTest::newRow("solving") << WorkMode::Solving << 1 << false;
    QTest::newRow("editor, full disk") << WorkMode::Editor << 2 << true;
    QTest::newRow("solving, full disk") << WorkMode::Solving << 1 << true;
}

void TestKeyboard::ctrlPPrintsTheWorksheet()
{
    QFETCH(WorkMode, mode);
    QFETCH(int, pages);
    QFETCH(bool, fullDisk);
    QTemporaryDir work;
    const QString pdf = work.filePath("scheda.pdf");
    // The sheet printed before: on a full disk (one that takes only the first
    // few kilobytes of a file) it stays, and a box says why.
    const QByteArray before = "%PDF-1.4\n/Type /Page /Type /Page /Type /Page \n";
    {
        QFile old(pdf);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(before) == before.size());
    }
    ScriptedDialogs dialog;
    MessageBox::Recording boxes;
    Worksheet::ScriptedPrint printer(pdf);
    const std::unique_ptr<WorkWindow> window = activeWindow(mode);
    if (!window)
        QSKIP("The work window cannot be made active here.");
    QTest::keyClick(focused(), Qt::Key_P, Qt::ControlModifier); // nothing open yet in solving
    QCOMPARE(printer.showings(), mode == WorkMode::Editor ? 1 : 0);
    window->openFile(Examples + "Quadrato.znv");
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray printed = file.readAll();
    file.close();
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit full{4096, limit.rlim_max};
    const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
    if (fullDisk)
        setrlimit(RLIMIT_FSIZE, &full);
    QTest::keyClick(focused(), Qt::Key_P, Qt::ControlModifier);
    setrlimit(RLIMIT_FSIZE, &limit);
    signal(SIGXFSZ, previousHandler);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray now = file.readAll();
    QCOMPARE(QDir(work.path()).entryList(QDir::Files | QDir::Hidden), QStringList("scheda.pdf"));
    if (fullDisk) {
        QCOMPARE(now, printed);
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.shown().first().icon, MessageBox::Icon::Warning);
        QCOMPARE(boxes.shown().first().text,
                 "La scheda non è stata stampata: impossibile scrivere il file «" + pdf +
                     "»: il disco è pieno.");
        return;
    }
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    QCOMPARE(QString::fromLatin1(now).count(page), pages);
    QVERIFY(boxes.shown().isEmpty());
}

// With read-aloud on: the verdicts with their explanations, the problem text
// on F2 (typing stops it), a formula in words as it takes the focus. F3 shows
// the text for easy reading: upright, larger, wider lines, in the same place,
// and the whole of it in the reading panel until F3 or Esc closes it.
void TestKeyboard::readAloudAndEasyReading()
{
    QStandardPaths::setTestModeEnabled(true);
    ScriptedDialogs dialog;
    MessageBox::Recording boxes;
    RecordingSpeaker speaker;
    ReadAloud readAloud(speaker);
    readAloud.setOnForThisRun(true);
    const std::unique_ptr<WorkWindow> window = activeWindow(WorkMode::Solving, &readAloud);
    if (!window)
        QSKIP("The work window cannot be made active here.");
    window->openFile(Examples + "Quadrato.znv");
    for (const char *keys : {"type:40", "Enter", "F2", "type:x", "Backspace", "type: cm", "Enter",
                             "type:14.14 cm", "Enter"})
        QVERIFY(press(keys));
    const QStringList log = speaker.log().mid(speaker.log().indexOf("Inserisci i dati"));
    QCOMPARE(log.value(1), "Errato. Il numero è giusto, ma manca l'unità di misura: «cm».");
    QVERIFY2(log.value(2).startsWith("Un quadrato ABCD ha il perimetro di quaranta centimetri"),
             qPrintable(log.value(2)));
    QCOMPARE(log.value(3), RecordingSpeaker::Stopped); // typing stops the reading
    QCOMPARE(log.value(4), "Bravo");
    QCOMPARE(log.value(5), "Errato. Il numero è giusto, ma in italiano i decimali si scrivono con "
                           "la virgola: «quattordici virgola quattordici».");
    speaker.clearLog();
    for (const char *keys : {"Backspace*8", "type:14,14 cm", "Enter", "Space"})
        QVERIFY(press(keys));
    QCOMPARE(speaker.log(), QStringList({"Bravo. Scegli la formula", "A uguale l al quadrato"}));

    const QRect place = controlsOf(*window).problemText->geometry();
    const QFont usual = controlsOf(*window).problemText->font();
    const ReadingPanel &panel = *window->findChild<ReadingPanel *>();
    speaker.clearLog();
    QVERIFY(press("F3"));
    const QFont easy = controlsOf(*window).problemText->font();
    QVERIFY(!easy.italic() && easy.pointSizeF() > usual.pointSizeF());
    QVERIFY(easy.letterSpacing() > 100);
    QCOMPARE(controlsOf(*window).problemText->document()->begin().blockFormat().lineHeight(),
             160.0);
    QCOMPARE(controlsOf(*window).problemText->geometry(), place);
    // The whole text at once, larger still, over the upper left of the
    // window, with the focus; told to a screen reader and read aloud.
    const QString text = controlsOf(*window).problemText->toPlainText();
    QVERIFY(panel.isVisible() && panel.hasFocus());
    QCOMPARE(panel.toPlainText(), text);
    QVERIFY(panel.font().pointSizeF() > easy.pointSizeF() && !panel.font().italic());
    QCOMPARE(panel.verticalScrollBar()->maximum(), 0);
    QCOMPARE(panel.geometry().topLeft(), place.topLeft());
    QVERIFY(panel.geometry().right() < controlsOf(*window).formulaPanel->x());
    QVERIFY(panel.height() > 3 * place.height());
    QCOMPARE(window->findChild<Announcer *>(QStringLiteral("hintAnnouncer"))->text(), text);
    QVERIFY2(speaker.log().value(0).startsWith("Un quadrato ABCD"),
             qPrintable(speaker.log().value(0)));
    QVERIFY(press("Esc")); // closes the panel, easy reading stays
    QVERIFY(!panel.isVisible());
    QCOMPARE(controlsOf(*window).problemText->font(), easy);
    QVERIFY(press("F3"));                     // opens it again
    window->openFile(Examples + "Rombo.znv"); // a new text keeps the wide lines
    QCOMPARE(controlsOf(*window).problemText->document()->begin().blockFormat().lineHeight(),
             160.0);
    QVERIFY(panel.isVisible());
    QCOMPARE(panel.toPlainText(), controlsOf(*window).problemText->toPlainText());
    for (const QString &example : QDir(Examples).entryList({"*.znv"})) {
        window->openFile(Examples + example);
        QVERIFY2(panel.verticalScrollBar()->maximum() == 0, qPrintable(example));
    }
    QVERIFY(press("F3"));
    QVERIFY(!panel.isVisible());
    QCOMPARE(controlsOf(*window).problemText->font(), usual);
    QCOMPARE(controlsOf(*window).problemText->document()->begin().blockFormat().lineHeight(),
             100.0);
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
