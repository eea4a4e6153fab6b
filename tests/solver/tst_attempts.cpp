// The pupil's attempts as the work window keeps them: solved through the real
// widgets, each attempt found afterwards as a record in the results folder,
// finished or left in each way a pupil leaves a problem; no name, a folder
// that cannot be written and a disk that fills up; the next problem after
// the end.
#include "attemptfile.h"
#include "attemptkeeper.h"
#include "formulacatalogue.h"
#include "formulapanel.h"
#include "messagebox.h"
#include "problemfile.h"
#include "programfolder.h"
#include "pupilacts.h"
#include "scriptedfiledialog.h"
#include "solverhandler.h"
#include "workwindow.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QString sources = QStringLiteral(ZENUVIO_SOURCE_DIR "/");

// A work window in solving mode whose attempts go to `keeper`.
struct Pupil {
    ScriptedDialogs dialog;
    AttemptKeeper &keeper;
    QPointer<WorkWindow> form;

    explicit Pupil(AttemptKeeper &k) : keeper(k)
    {
        form = WorkWindow::load(WorkMode::Solving,
                                ModeHandlers{{}, [this](WorkWindow &w) {
                                                 auto h = std::make_unique<SolverHandler>(w);
                                                 h->setKeeper(&keeper);
                                                 return std::unique_ptr<ModeHandler>(std::move(h));
                                             }});
        form->show();
        QApplication::setActiveWindow(form);
        (void)QTest::qWaitForWindowActive(form);
    }
    ~Pupil()
    {
        if (form)
            form->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void enter(QLineEdit *box, const QString &text) { PupilActs::enter(box, text); }
    void clickFormula(int number) { PupilActs::clickFormula(*form, number); }
    // The two data, the two steps, one slip at each kind of entry.
    void solve(bool toTheEnd = true)
    {
        enter(form->txtDati[0], "8 cm");
        enter(form->txtDati[1], "6");
        enter(form->txtDati[1], "6 cm");
        clickFormula(6);
        clickFormula(9);
        enter(form->txtRisultato[0], "28 cm");
        clickFormula(6);
        enter(form->txtRisultato[1], "48 cmq");
        if (toTheEnd)
            enter(form->txtRisultato[1], "48 cm²");
    }
    QString explanation() const { return form->lblSpiegazione->text(); }
};

QStringList records(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

AttemptRecord readBack(const QString &folder, int i)
{
    const QString name = records(folder).value(i);
    const AttemptJson::ReadRecord read = AttemptFile::read(QDir(folder).filePath(name));
    return read.record.value_or(AttemptRecord());
}

} // namespace

class TestAttempts : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void finishedThenNext();
    void left_data();
    void left();
    void noName();
    void folderRefused_data();
    void folderRefused();
    void diskFull_data();
    void diskFull();

private:
    QString problem(const char *name) const { return m_problems.filePath(name); }

    QTemporaryDir m_programFolder;
    std::optional<ProgramFolder::Override> m_program;
    MessageBox::Recording m_boxes;
    QTemporaryDir m_problems;
    std::optional<QTemporaryDir> m_results;
    AttemptKeeper m_keeper;
};

void TestAttempts::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(
        QFile::copy(sources + "resources/beside/Vuoto.gif", m_programFolder.filePath("Vuoto.gif")));
    m_program.emplace(m_programFolder.path());
    const EditorProblem p{"Un rettangolo.", "", {"8 cm", "6 cm"}, {9, 6}, {"28 cm", "48 cm²"}};
    for (const char *name : {"Primo.znv", "Secondo.znv"})
        QCOMPARE(ProblemFile::write(problem(name), p), QString());
}

void TestAttempts::init()
{
    m_results.emplace();
    m_keeper = AttemptKeeper();
    m_keeper.setFolder(m_results->filePath("Risultati"));
    m_keeper.setPupil("  Anna B. ");
}

// Finished: kept at once, with what the pupil did; Ctrl+N then opens the next
// problem, and on the last one says that the folder is done.
void TestAttempts::finishedThenNext()
{
    const QString folder = m_keeper.folder();
    Pupil pupil(m_keeper);
    pupil.form->openFile(problem("Primo.znv"));
    pupil.solve();
    QCOMPARE(pupil.form->lblAvviso_Risoluzione->text(), "Bravo. Hai finito.");
    QCOMPARE(pupil.explanation(), "Risposte sbagliate almeno una volta: 1 dato su 2, 1 formula su "
                                  "2, 1 risultato su 2. Premi Ctrl+N per il problema seguente.");
    QCOMPARE(records(folder).size(), 1);
    const AttemptRecord first = readBack(folder, 0);
    QCOMPARE(first.pupil, "Anna B.");
    QCOMPARE(first.problem, "Primo.znv");
    QFile file(problem("Primo.znv"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(first.problemSha256,
             QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex());
    QCOMPARE(first.finished, true);
    QCOMPARE(first.acts.size(), 9);
    QCOMPARE(first.acts.last().verdict, "Bravo. Hai finito.");

    // Ctrl+N: no dialog, the next problem by name.
    QTest::keyClick(pupil.form, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(pupil.form->windowTitle(), "Secondo.znv - Zenuvio");
    QCOMPARE(pupil.form->lblAvviso_Risoluzione->text(), "Inserisci i dati");
    QCOMPARE(pupil.explanation(), QString());
    QCOMPARE(pupil.dialog->showings().size(), 0);
    // Before the end it does nothing.
    QTest::keyClick(pupil.form, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(pupil.form->windowTitle(), "Secondo.znv - Zenuvio");
    QCOMPARE(pupil.explanation(), QString());
    pupil.solve();
    QVERIFY2(pupil.explanation().endsWith(" Era l'ultimo problema della cartella."),
             qPrintable(pupil.explanation()));
    QTest::keyClick(pupil.form, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(pupil.explanation(), "Non ci sono altri problemi: hai finito quelli della cartella.");
    QCOMPARE(pupil.form->windowTitle(), "Secondo.znv - Zenuvio");
    pupil.form->close();
    // Both attempts finished; leaving after the end keeps nothing more.
    QCOMPARE(records(folder).size(), 2);
    QCOMPARE(readBack(folder, 0).finished && readBack(folder, 1).finished, true);
}

void TestAttempts::left_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("Apri, then no problem chosen") << "apri";
    QTest::newRow("Esci") << "esci";
    QTest::newRow("the window's frame") << "chiudi";
    QTest::newRow("the program ends") << "fine";
    QTest::newRow("another problem named") << "file";
}

// Left before the end, in each way: kept unfinished, with the acts so far,
// once.
void TestAttempts::left()
{
    QFETCH(QString, way);
    const QString folder = m_keeper.folder();
    Pupil pupil(m_keeper);
    pupil.form->openFile(problem("Primo.znv"));
    pupil.solve(false);
    if (way == "apri") {
        pupil.dialog->answer(QString());
        QTest::mouseClick(pupil.form->cmdApri_Risoluzione, Qt::LeftButton);
    } else if (way == "esci") {
        QTest::mouseClick(pupil.form->cmdEsci_Risoluzione, Qt::LeftButton);
    } else if (way == "chiudi") {
        QCloseEvent close;
        QApplication::sendEvent(pupil.form, &close);
    } else if (way == "fine") {
        QVERIFY(QMetaObject::invokeMethod(qApp, "aboutToQuit", Qt::DirectConnection));
    } else {
        pupil.form->openFile(problem("Secondo.znv"));
    }
    QCOMPARE(records(folder).size(), 1);
    const AttemptRecord record = readBack(folder, 0);
    QCOMPARE(record.finished, false);
    QCOMPARE(record.acts.size(), 8);
    QCOMPARE(record.acts.last().slip, Slip::Unit);
    QVERIFY(record.ended >= record.acts.last().at);
    if (pupil.form)
        pupil.form->close();
    QCOMPARE(records(folder).size(), way == "file" ? 2 : 1);
}

// No name: nothing is written, not even the folder.
void TestAttempts::noName()
{
    m_keeper.setPupil("   ");
    {
        Pupil pupil(m_keeper);
        pupil.form->openFile(problem("Primo.znv"));
        QCOMPARE(pupil.explanation(), QString());
        pupil.solve();
        QVERIFY(!pupil.explanation().contains("Impossibile"));
    }
    QVERIFY(!QFileInfo::exists(m_keeper.folder()));
}

void TestAttempts::folderRefused_data()
{
    QTest::addColumn<bool>("aFile");
    QTest::newRow("a file") << true;
    QTest::newRow("a folder without permission to write") << false;
}

// A results folder that cannot be written: told once, beside the first hint,
// with no box; the pupil solves on, and nothing more is said.
void TestAttempts::folderRefused()
{
    QFETCH(bool, aFile);
    if (aFile) {
        QFile blocker(m_keeper.folder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
    } else {
        if (geteuid() == 0)
            QSKIP("root writes into any folder");
        QVERIFY(QDir().mkpath(m_keeper.folder()));
        QVERIFY(QFile::setPermissions(m_keeper.folder(), QFile::ReadOwner | QFile::ExeOwner));
    }
    Pupil pupil(m_keeper);
    pupil.form->openFile(problem("Primo.znv"));
    QCOMPARE(pupil.form->lblAvviso_Risoluzione->text(), "Inserisci i dati");
    QVERIFY2(pupil.explanation().startsWith("Impossibile scrivere il risultato nella cartella «" +
                                            QDir::toNativeSeparators(m_keeper.folder()) + "»: "),
             qPrintable(pupil.explanation()));
    QVERIFY(pupil.explanation().endsWith("ma puoi continuare a risolvere."));
    QCOMPARE(m_boxes.shown().size(), 0);
    pupil.solve();
    QCOMPARE(pupil.form->lblAvviso_Risoluzione->text(), "Bravo. Hai finito.");
    QVERIFY(!pupil.explanation().contains("Impossibile"));
    pupil.form->openFile(problem("Secondo.znv"));
    QCOMPARE(pupil.explanation(), QString());
    if (aFile)
        QCOMPARE(QFileInfo(m_keeper.folder()).size(), 0);
    else
        QVERIFY(QDir(m_keeper.folder())
                    .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

void TestAttempts::diskFull_data()
{
    QTest::addColumn<bool>("finishing");
    QTest::newRow("at the end") << true;
    QTest::newRow("leaving for another problem") << false;
}

// The disk fills up while the record is written: no file at all is left,
// not even a part of one, and the pupil is told with the next hint.
void TestAttempts::diskFull()
{
    QFETCH(bool, finishing);
    const QString folder = m_keeper.folder();
    Pupil pupil(m_keeper);
    pupil.form->openFile(problem("Primo.znv"));
    pupil.solve(false);
    rlimit before{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit small = before;
    small.rlim_cur = 200;
    const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    if (finishing)
        pupil.enter(pupil.form->txtRisultato[1], "48 cm²");
    else
        pupil.form->openFile(problem("Secondo.znv"));
    setrlimit(RLIMIT_FSIZE, &before);
    signal(SIGXFSZ, previousHandler);
    QCOMPARE(pupil.form->lblAvviso_Risoluzione->text(),
             finishing ? "Bravo. Hai finito." : "Inserisci i dati");
    const QString told = QString(finishing ? "Premi Ctrl+N per il problema seguente. " : "") +
                         "Impossibile scrivere il risultato nella cartella";
    QVERIFY2(pupil.explanation().startsWith(
                 finishing ? pupil.explanation().section(" Premi", 0, 0) + " " + told : told),
             qPrintable(pupil.explanation()));
    QVERIFY2(pupil.explanation().contains("il disco è pieno."), qPrintable(pupil.explanation()));
    QCOMPARE(records(folder), QStringList());
}

QTEST_MAIN(TestAttempts)
#include "tst_attempts.moc"
