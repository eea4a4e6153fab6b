// The work window as a user sees it in each mode: which controls show, which
// actions reach the mode's handler, drops, the keyboard coming back after a
// dialog; and, with the modes' own handlers, the keyboard alone: where the
// focus goes, Ctrl+P, read-aloud and easy reading.
#define QT_STATICPLUGIN
#include "accessibility.h"
#include "editorhandler.h"
#include "messagebox.h"
#include "programfolder.h"
#include "readaloud.h"
#include "readaloudhooks.h"
#include "readingpanel.h"
#include "scriptedfiledialog.h"
#include "solverhandler.h"
#include "speaker.h"
#include "temporarysettings.h"
#include "windowcontrols.h"
#include "worksheet.h"
#include "workwindow.h"

#include <QAccessibleBridgePlugin>
#include <QDialog>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

// Notes every action the window routes to its handler.
struct Recorder : ModeHandler {
    explicit Recorder(QStringList &log) : log(log) {}
    void textClicked() override { log << "testo"; }
    void figureClicked() override { log << "figura"; }
    void datumEntered(int i) override { log << QStringLiteral("invio dato %1").arg(i); }
    void resultEntered(int i) override { log << QStringLiteral("invio risultato %1").arg(i); }
    void formulaClicked(int n) override { log << QStringLiteral("formula %1").arg(n); }
    void openClicked() override { log << "apri"; }
    void openFile(const QString &path) override { log << "apri " + QFileInfo(path).fileName(); }
    QStringList &log;
};

const QString Examples = QStringLiteral(ZENUVIO_SOURCE_DIR "/examples/");

QWidget *focused()
{
    return QApplication::focusWidget();
}

// Presses keys on whatever has the focus: words typed ("type:12 cm") or a key
// with its modifiers, as many times as asked ("Right*3", "Shift+Tab").
void press(const QString &keys)
{
    if (keys.startsWith("type:"))
        return QTest::keyClicks(focused(), keys.mid(5));
    const QString name = keys.section('*', 0, 0);
    const int times = keys.contains('*') ? keys.section('*', 1).toInt() : 1;
    const QKeyCombination combination =
        QKeySequence(name == "Enter" ? QStringLiteral("Return") : name)[0];
    for (int i = 0; i < times; ++i)
        QTest::keyClick(focused(), combination.key(), combination.keyboardModifiers());
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

// A bridge to assistive technology, as the desktop's would be, that notes the
// windows it is told have become active.
QList<QObject *> toldActive;
bool bridged = false;
struct ActivationBridge : QAccessibleBridge {
    void setRootObject(QAccessibleInterface *) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent *event) override
    {
        if (event->type() == QAccessible::StateChanged &&
            static_cast<QAccessibleStateChangeEvent *>(event)->changedStates().active)
            toldActive << event->object();
    }
};

} // namespace

class ActivationBridgePlugin : public QAccessibleBridgePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "activationbridge.json")

public:
    QAccessibleBridge *create(const QString &) override
    {
        bridged = true;
        return new ActivationBridge;
    }
};
Q_IMPORT_PLUGIN(ActivationBridgePlugin)

class TestWorkWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void modes_data();
    void modes();
    void dropOpensOneFile_data();
    void dropOpensOneFile();
    void dialogClosed_data();
    void dialogClosed();
    void focus_data();
    void focus();
    void ctrlPPrintsTheWorksheet_data();
    void ctrlPPrintsTheWorksheet();
    void readAloudAndEasyReading();

private:
    std::unique_ptr<WorkWindow> open(WorkMode mode);

    QTemporaryDir m_folder;
    std::optional<ProgramFolder::Override> m_program;
    QStringList m_log;
    QStringList m_told;
};

void TestWorkWindow::initTestCase()
{
    Accessibility::install();
    QVERIFY(QFile::copy(ZENUVIO_SOURCE_DIR "/resources/beside/Vuoto.gif",
                        m_folder.filePath("Vuoto.gif")));
    m_program.emplace(m_folder.path());
}

void TestWorkWindow::init()
{
    m_log.clear();
    m_told.clear();
}

std::unique_ptr<WorkWindow> TestWorkWindow::open(WorkMode mode)
{
    auto make = [this](const char *name) {
        return [this, name](WorkWindow &) {
            m_log << QLatin1String(name);
            return std::make_unique<Recorder>(m_log);
        };
    };
    auto window =
        std::unique_ptr<WorkWindow>(WorkWindow::load(mode, {make("editor"), make("solver")}));
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("the work window was not exposed");
    connect(announcerOf(*window), &Announcer::announced, this,
            [this](const QString &text) { m_told << text; });
    return window;
}

void TestWorkWindow::modes_data()
{
    QTest::addColumn<WorkMode>("mode");
    QTest::newRow("editor") << WorkMode::Editor;
    QTest::newRow("solving") << WorkMode::Solving;
}

// What each mode shows, and which clicks and keys reach the mode's handler.
void TestWorkWindow::modes()
{
    QFETCH(WorkMode, mode);
    const bool solving = mode == WorkMode::Solving;
    auto w = open(mode);
    const WorkWindowControls c = controlsOf(*w);
    QCOMPARE(m_log.takeFirst(), solving ? "solver" : "editor");

    // Each control shows in both modes but those of one mode only, and the
    // announcer, which only speaks, and the reading panel, which waits for F3;
    // the eight controls of a kind go together.
    const QStringList editorOnly = {
        "txtDati",  "Option1",        "picFormRis", "Label1",         "txtRisultato",
        "cmdNuovo", "cmdApri_Editor", "cmdSalva",   "cmdEsci_Editor", "lblAvviso_Editor"};
    const QStringList solvingOnly = {"lblAvviso_Risoluzione", "lblSpiegazione",
                                     "cmdApri_Risoluzione", "cmdEsci_Risoluzione"};
    for (QWidget *widget : w->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        const QString kind = widget->objectName().remove(QRegularExpression("_[0-7]$"));
        QVERIFY2(widget->isVisible() == (kind != "hintAnnouncer" && kind != "txtLetturaFacile" &&
                                         !(solving ? editorOnly : solvingOnly).contains(kind)),
                 qPrintable(widget->objectName()));
    }

    // The problem text takes typing only in the editor; the formula panel
    // takes clicks only there too (solving switches it on when a formula is due).
    QTest::keyClicks(c.problemText, "abc");
    QCOMPARE(c.problemText->toPlainText(), solving ? "" : "abc");
    QTest::mouseClick(formulaPictureOf(*w, 1), Qt::LeftButton);
    QTest::mouseClick(c.figureBox, Qt::LeftButton);
    QTest::mouseClick(c.problemText->viewport(), Qt::LeftButton);
    QTest::mouseClick(solving ? c.solvingOpenButton : c.editorOpenButton, Qt::LeftButton);
    if (!solving) {
        QTest::keyClick(c.dataBoxes[4], Qt::Key_Return);
        QTest::keyClick(c.resultBoxes[6], Qt::Key_Enter);
    }
    QCOMPARE(m_log.join(", "), solving ? "figura, testo, apri"
                                       : "formula 1, figura, testo, apri, invio dato 4, "
                                         "invio risultato 6");
}

// One file dragged from a file manager is opened wherever it is dropped, text
// boxes included (the name is not typed into them); anything else is left to
// the control under the pointer.
void TestWorkWindow::dropOpensOneFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QStringList>("urls");
    QTest::addColumn<bool>("taken");
    const QString file = QUrl::fromLocalFile(m_folder.filePath("Rombo.znv")).toString();
    const QString folder = QUrl::fromLocalFile(m_folder.path()).toString();
    QTest::newRow("a file on the problem text") << "txtTesto" << QStringList{file} << true;
    QTest::newRow("two files") << "Form2" << QStringList{file, file} << false;
    QTest::newRow("a folder") << "Form2" << QStringList{folder} << false;
}

void TestWorkWindow::dropOpensOneFile()
{
    QFETCH(QString, target);
    QFETCH(QStringList, urls);
    QFETCH(bool, taken);
    const auto w = open(WorkMode::Editor);
    QWidget *on = target == "Form2" ? w.get() : controlsOf(*w).problemText->viewport();
    QMimeData data;
    data.setUrls(QUrl::fromStringList(urls));
    data.setText(urls.join('\n'));
    m_log.clear();
    const QPoint at = on->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(on, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    if (enter.isAccepted())
        QCoreApplication::sendEvent(on, &drop);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(m_log, taken ? QStringList{"apri Rombo.znv"} : QStringList{});
    QCOMPARE(controlsOf(*w).problemText->toPlainText(), QString());
}

void TestWorkWindow::dialogClosed_data()
{
    QTest::addColumn<QString>("popup");
    QTest::newRow("another window active") << "none";
    QTest::newRow("name completion open as the dialog closes") << "closed";
    QTest::newRow("name completion still open") << "open";
}

// A verdict given while a dialog covers the window is held; once the dialog
// closes the window is active again, with the keyboard in the box the verdict
// names, and the verdict is told once: when another window took the keyboard
// meanwhile, and when a popup of the dialog still held it as the dialog closed
// (the toolkit then drops the activation the window gets). While the popup
// stays, the window tells assistive technology itself that it is active.
void TestWorkWindow::dialogClosed()
{
    QFETCH(QString, popup);
    auto window = open(WorkMode::Solving);
    QDialog dialog(window.get());
    dialog.setModal(true);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    controlsOf(*window).dataBoxes[0]->setVisible(true);
    controlsOf(*window).dataBoxes[0]->setFocus(Qt::OtherFocusReason);
    window->announce("Inserisci i dati");
    QCOMPARE(m_told, QStringList{});
    QWidget completion(&dialog, Qt::Popup);
    if (popup != "none") {
        completion.show();
        QVERIFY(QApplication::activePopupWidget());
    }
    dialog.hide();
    // The window system's answer to the window's request comes while the
    // popup is still open.
    QCoreApplication::processEvents();
    if (popup == "open") {
        toldActive.clear(); // what the toolkit told on its own
        QTRY_COMPARE(m_told, QStringList{"Inserisci i dati"});
        if (!bridged)
            QSKIP("This platform takes no bridge to assistive technology.");
        QVERIFY(toldActive.contains(window.get()));
        return;
    }
    completion.hide();
    QTRY_COMPARE(m_told, QStringList{"Inserisci i dati"});
    QTRY_VERIFY(window->isActiveWindow());
    QCOMPARE(QApplication::focusWidget(), controlsOf(*window).dataBoxes[0]);
    QCoreApplication::processEvents();
    QCOMPARE(m_told, QStringList{"Inserisci i dati"});
}

// From the control named first (none: where the window puts the focus), the
// keys, and then the control with the focus, with the text of a box. The
// first formula tab reads 0 1 / 3 2 / 138 / 4 5, the second 6 7 / 8 / 9 11 /
// 10 / 12 13 / 14. Solving opens the example rectangle, 12 cm by 5 cm.
void TestWorkWindow::focus_data()
{
    QTest::addColumn<WorkMode>("mode");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("focus");
    const auto solving = [](const char *tag, const char *keys, const char *focus) {
        QTest::newRow(tag) << WorkMode::Solving << QString() << QString(keys) << QString(focus);
    };
    const auto editor = [](const char *tag, const char *from, const char *keys, const char *focus) {
        QTest::newRow(tag) << WorkMode::Editor << QString(from) << QString(keys) << QString(focus);
    };
    solving("Enter on Apri", "Enter", "txtDati_0: ");
    solving("a formula chosen on the second tab",
            "Enter|type:12 cm|Enter|type:5 cm|Enter|Space|Ctrl+Tab|Right*3|Space",
            "txtRisultato_0: ");
    editor("Tab from the last datum", "txtDati_7", "Tab", "Option1_0");
    editor("Tab to the next formula in reading order", "picFormula_1", "Tab", "picFormula_3");
    editor("Ctrl+Tab to the next tab", "picFormula_0", "Ctrl+Tab", "picFormula_6");
    editor("arrows in reading order", "picFormula_0", "Ctrl+Tab|Right*6|Left|Down",
           "picFormula_12");
    editor("Space on a formula fills the step", "picFormRis_1", "Space|Right*3|Space",
           "txtRisultato_1: ");
    editor("Ctrl+2 types the square", "txtDati_1", "type:A = 25 cm|Ctrl+2",
           "txtDati_1: A = 25 cm²");
}

void TestWorkWindow::focus()
{
    QFETCH(WorkMode, mode);
    QFETCH(QString, from);
    QFETCH(QString, keys);
    QFETCH(QString, focus);
    ScriptedDialogs dialog;
    dialog->answer(Examples + "Rettangolo.znv");
    MessageBox::Recording boxes;
    const std::unique_ptr<WorkWindow> window = activeWindow(mode);
    if (!window)
        QSKIP("The work window cannot be made active here.");
    if (!from.isEmpty())
        window->findChild<QWidget *>(from)->setFocus(Qt::TabFocusReason);
    for (const QString &step : keys.split('|'))
        press(step);
    QVERIFY(focused());
    const auto *box = qobject_cast<QLineEdit *>(focused());
    QCOMPARE(focused()->objectName() + (box ? ": " + box->text() : QString()), focus);
    QVERIFY(boxes.shown().isEmpty());
}

void TestWorkWindow::ctrlPPrintsTheWorksheet_data()
{
    QTest::addColumn<WorkMode>("mode");
    QTest::addColumn<bool>("fullDisk");
    QTest::newRow("solving") << WorkMode::Solving << false;
    QTest::newRow("editor, full disk") << WorkMode::Editor << true;
}

// Ctrl+P prints the sheet named after the problem, without the solutions for
// the pupil; a disk that takes only the first few kilobytes of a file leaves
// the sheet printed before, and a box says why.
void TestWorkWindow::ctrlPPrintsTheWorksheet()
{
    QFETCH(WorkMode, mode);
    QFETCH(bool, fullDisk);
    QTemporaryDir work;
    const QString pdf = work.filePath("scheda.pdf");
    ScriptedDialogs dialog;
    MessageBox::Recording boxes;
    Worksheet::ScriptedPrint printer(pdf);
    const std::unique_ptr<WorkWindow> window = activeWindow(mode);
    if (!window)
        QSKIP("The work window cannot be made active here.");
    const QByteArray before = "%PDF-1.4 la scheda di prima\n";
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
    file.close();
    window->openFile(Examples + "Quadrato.znv");
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit full{4096, limit.rlim_max};
    const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
    if (fullDisk)
        setrlimit(RLIMIT_FSIZE, &full);
    QTest::keyClick(focused(), Qt::Key_P, Qt::ControlModifier);
    setrlimit(RLIMIT_FSIZE, &limit);
    signal(SIGXFSZ, previousHandler);
    QCOMPARE(QDir(work.path()).entryList(QDir::Files | QDir::Hidden), QStringList("scheda.pdf"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    if (fullDisk) {
        QCOMPARE(file.readAll(), before);
        QCOMPARE(int(boxes.shown().size()), 1);
        QCOMPARE(boxes.shown().first().text,
                 "La scheda non è stata stampata: impossibile scrivere il file «" + pdf +
                     "»: il disco è pieno.");
        return;
    }
    QVERIFY(boxes.shown().isEmpty());
    QProcess info;
    info.start("pdfinfo", {pdf});
    QVERIFY(info.waitForFinished());
    const QString facts = info.readAllStandardOutput();
    QVERIFY2(facts.contains("Title:           Quadrato\n") &&
                 facts.contains("Pages:           1\n"),
             qPrintable(facts));
}

// With read-aloud on: the verdicts with their explanations, the problem text
// on F2 (typing stops it, F3 does not), a formula in words as it takes the
// focus. F3 shows the text larger, and the whole of it in the reading panel,
// told to a screen reader and read aloud, until F3 or Esc closes it; the
// choice is kept for the next run.
void TestWorkWindow::readAloudAndEasyReading()
{
    QStandardPaths::setTestModeEnabled(true);
    TemporarySettings temporary;
    ScriptedDialogs dialog;
    MessageBox::Recording boxes;
    RecordingSpeaker speaker;
    ReadAloud readAloud(speaker);
    readAloud.setOnForThisRun(true);
    const std::unique_ptr<WorkWindow> window = activeWindow(WorkMode::Solving, &readAloud);
    if (!window)
        QSKIP("The work window cannot be made active here.");
    window->setSettings(&temporary.settings());
    window->openFile(Examples + "Quadrato.znv");
    speaker.clearLog();
    for (const char *keys : {"type:40", "Enter", "F2"})
        press(keys);
    // F3 is no typing: a key press of it that reached a box would not stop the reading.
    QKeyEvent f3(QEvent::KeyPress, Qt::Key_F3, Qt::NoModifier);
    static_cast<QObject *>(window->findChild<ReadAloudHooks *>())->eventFilter(focused(), &f3);
    QVERIFY(speaker.isSpeaking());
    for (const char *keys : {"type:x", "Backspace", "type: cm", "Enter", "type:14.14 cm", "Enter",
                             "Backspace*8", "type:14,14 cm", "Enter", "Space"})
        press(keys);
    QStringList log = speaker.log();
    QVERIFY2(log.value(1).startsWith("Un quadrato ABCD ha il perimetro di quaranta centimetri"),
             qPrintable(log.value(1)));
    log[1] = "TESTO";
    QCOMPARE(log, (QStringList{"Errato. Il numero è giusto, ma manca l'unità di misura: «cm».",
                               "TESTO", RecordingSpeaker::Stopped, "Bravo",
                               "Errato. Il numero è giusto, ma in italiano i decimali si scrivono "
                               "con la virgola: «quattordici virgola quattordici».",
                               "Bravo. Scegli la formula", "A uguale l al quadrato"}));

    QTextEdit *text = controlsOf(*window).problemText;
    const QFont usual = text->font();
    const auto *panel = window->findChild<ReadingPanel *>("txtLetturaFacile");
    speaker.clearLog();
    press("F3");
    const QFont easy = text->font();
    QVERIFY(easy.pointSizeF() > usual.pointSizeF());
    QVERIFY(Settings::open(temporary.files()).value(Setting::EasyReading));
    QVERIFY(panel->isVisible() && panel->hasFocus());
    QCOMPARE(panel->toPlainText(), text->toPlainText());
    QCOMPARE(announcerOf(*window)->text(), text->toPlainText());
    QVERIFY(speaker.log().value(0).startsWith("Un quadrato ABCD"));
    press("Esc"); // closes the panel, easy reading stays
    QVERIFY(!panel->isVisible());
    QCOMPARE(text->font(), easy);
    press("F3"); // opens it again
    window->openFile(Examples + "Rombo.znv");
    QCOMPARE(panel->toPlainText(), text->toPlainText());
    press("F3");
    QVERIFY(!panel->isVisible());
    QCOMPARE(text->font(), usual);
    QVERIFY(!Settings::open(temporary.files()).value(Setting::EasyReading));

    // The voice found missing is told once, in the explanation line, with no
    // box; the switch stays on. The start window's switch is kept for the
    // next run, the one for this run only is not.
    QSignalSpy told(announcerOf(*window), &Announcer::announced);
    speaker.breakDown("Niente voce per questa volta.");
    readAloud.formulaFocused("A uguale b per h");
    readAloud.formulaFocused("A uguale l al quadrato");
    QCOMPARE(controlsOf(*window).explanationLabel->text(), "Niente voce per questa volta.");
    QCOMPARE(told.count(), 1);
    QVERIFY(!QApplication::activeModalWidget() && readAloud.isOn());
    QVERIFY(!ReadAloud(speaker, &temporary.settings()).isOn());
    ReadAloud(speaker, &temporary.settings()).setOn(true);
    QVERIFY(Settings::open(temporary.files()).value(Setting::ReadAloud));
}

QTEST_MAIN(TestWorkWindow)
#include "tst_workwindow.moc"
