// The pupil's attempts as the work window keeps them: solved through the real
// widgets, each attempt found afterwards as a record in the results folder,
// finished or left in each way a pupil leaves a problem; a folder that cannot
// be written and a disk that fills up; the next problem after the end.
#include "attemptfile.h"
#include "attemptkeeper.h"
#include "formulacatalogue.h"
#include "formulapanel.h"
#include "messagebox.h"
#include "problemfile.h"
#include "programfolder.h"
#include "scriptedfiledialog.h"
#include "solverhandler.h"
#include "windowcontrols.h"
#include "workwindow.h"

#include <QCryptographicHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

// A work window in solving mode whose attempts go to `keeper`.
struct Pupil {
    ScriptedDialogs dialog;
    QPointer<WorkWindow> form;

    explicit Pupil(AttemptKeeper &keeper)
    {
        form = WorkWindow::load(WorkMode::Solving,
                                {{}, [&keeper](WorkWindow &w) {
                                     auto h = std::make_unique<SolverHandler>(w.solvingView());
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
    void enter(QLineEdit *box, const QString &text)
    {
        box->setFocus();
        box->setText(text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    void clickFormula(int number)
    {
        const QString caption = FormulaCatalogue::tabCaption(FormulaCatalogue::entry(number).tab);
        for (TabCaption *tab : controlsOf(*form).formulaPanel->findChildren<TabCaption *>()) {
            if (tab->text() == caption && tab->isVisible())
                QTest::mouseClick(tab, Qt::LeftButton);
        }
        QTest::mouseClick(formulaPictureOf(*form, number), Qt::LeftButton);
    }
    // One slip at each kind of entry: 8 acts, and the last Enter, the 9th.
    void solve(bool toTheEnd = true)
    {
        enter(controlsOf(*form).dataBoxes[0], "8 cm");
        enter(controlsOf(*form).dataBoxes[1], "6");
        enter(controlsOf(*form).dataBoxes[1], "6 cm");
        clickFormula(6);
        clickFormula(9);
        enter(controlsOf(*form).resultBoxes[0], "28 cm");
        clickFormula(6);
        enter(controlsOf(*form).resultBoxes[1], "48 cmq");
        if (toTheEnd)
            enter(controlsOf(*form).resultBoxes[1], "48 cm²");
    }
    QString hint() const { return controlsOf(*form).hintLabel->text(); }
    QString explanation() const { return controlsOf(*form).explanationLabel->text(); }
};

} // namespace

class TestAttempts : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void finishedThenNext();
    void left_data();
    void left();
    void refused_data();
    void refused();

private:
    QString problem(const char *name) const { return m_problems.filePath(name); }
    QStringList records() const
    {
        return QDir(m_keeper.folder()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    AttemptRecord record(int i) const
    {
        const QString path = QDir(m_keeper.folder()).filePath(records().value(i));
        return AttemptFile::read(path).record.value_or(AttemptRecord());
    }

    QTemporaryDir m_programFolder;
    std::optional<ProgramFolder::Override> m_program;
    MessageBox::Recording m_boxes;
    QTemporaryDir m_problems;
    std::optional<QTemporaryDir> m_results;
    AttemptKeeper m_keeper;
};

void TestAttempts::initTestCase()
{
    QVERIFY(QFile::copy(ZENUVIO_SOURCE_DIR "/resources/beside/Vuoto.gif",
                        m_programFolder.filePath("Vuoto.gif")));
    m_program.emplace(m_programFolder.path());
    const Problem p{"Un rettangolo.", "", {"8 cm", "6 cm"}, {9, 6}, {"28 cm", "48 cm²"}};
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

// Finished: kept at once; Ctrl+N, which does nothing before the end, opens
// the next problem with no dialog, and after the last one says so.
void TestAttempts::finishedThenNext()
{
    Pupil pupil(m_keeper);
    pupil.form->openFile(problem("Primo.znv"));
    pupil.solve();
    QCOMPARE(pupil.explanation(), "Risposte sbagliate almeno una volta: 1 dato su 2, 1 formula su "
                                  "2, 1 risultato su 2. Premi Ctrl+N per il problema seguente.");
    QCOMPARE(records().size(), 1);
    const AttemptRecord first = record(0);
    QFile file(problem("Primo.znv"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE((QStringList{first.pupil, first.problem, first.problemSha256}),
             (QStringList{
                 "Anna B.", "Primo.znv",
                 QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex()}));
    QCOMPARE((QList<int>{first.finished, int(first.acts.size())}), (QList<int>{1, 9}));

    QTest::keyClick(pupil.form, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(pupil.form->windowTitle(), "Secondo.znv - Zenuvio");
    QCOMPARE(pupil.dialog->showings().size(), 0);
    QTest::keyClick(pupil.form, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(pupil.hint() + pupil.explanation(), "Inserisci i dati");
    pupil.solve();
    QVERIFY(pupil.explanation().endsWith("2. Era l'ultimo problema della cartella."));
    QTest::keyClick(pupil.form, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(pupil.explanation(), "Non ci sono altri problemi: hai finito quelli della cartella.");
    pupil.form->close();
    QCOMPARE(records().size(), 2); // leaving after the end keeps nothing more
}

void TestAttempts::left_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("name");
    const char *rows[][3] = {
        {"Apri, then no problem chosen", "apri", "Anna"},
        {"Esci", "esci", "Anna"},
        {"the window's frame", "chiudi", "Anna"},
        {"the program ends", "fine", "Anna"},
        {"another problem named", "file", "Anna"},
        {"no name: nothing, not even the folder", "esci", "  "},
    };
    for (const auto &row : rows)
        QTest::newRow(row[0]) << QString(row[1]) << QString(row[2]);
}

// Left before the end: kept once, unfinished, with the acts so far.
void TestAttempts::left()
{
    QFETCH(QString, way);
    QFETCH(QString, name);
    m_keeper.setPupil(name);
    Pupil pupil(m_keeper);
    pupil.form->openFile(problem("Primo.znv"));
    pupil.solve(false);
    if (way == "apri") {
        pupil.dialog->answer(QString());
        QTest::mouseClick(controlsOf(*pupil.form).solvingOpenButton, Qt::LeftButton);
    } else if (way == "esci") {
        QTest::mouseClick(controlsOf(*pupil.form).solvingExitButton, Qt::LeftButton);
    } else if (way == "chiudi") {
        QCloseEvent close;
        QApplication::sendEvent(pupil.form, &close);
    } else if (way == "fine") {
        QVERIFY(QMetaObject::invokeMethod(qApp, "aboutToQuit", Qt::DirectConnection));
    } else {
        pupil.form->openFile(problem("Secondo.znv"));
    }
    if (name.trimmed().isEmpty()) {
        QVERIFY(!QFileInfo::exists(m_keeper.folder()));
        return;
    }
    QCOMPARE(records().size(), 1);
    const AttemptRecord r = record(0);
    QCOMPARE((QList<int>{r.finished, int(r.acts.size())}), (QList<int>{0, 8}));
    QCOMPARE(r.acts.last().slip, Slip::Unit);
    if (pupil.form)
        pupil.form->close();
    QCOMPARE(records().size(), way == "file" ? 2 : 1);
}

void TestAttempts::refused_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("hint"); // where the notice comes
    QTest::addColumn<int>("records");  // once the disk has room again
    QTest::newRow("the folder is a file") << "file"
                                          << "Inserisci i dati" << 0;
    QTest::newRow("disk full at the end") << "end"
                                          << "Bravo. Hai finito." << 1;
    QTest::newRow("disk full leaving") << "leave"
                                       << "Inserisci i dati" << 2;
}

// A record that cannot be written: no file is left, not even part of one; the
// pupil is told once, beside the next hint, with no box, and solves on.
void TestAttempts::refused()
{
    QFETCH(QString, fault);
    QFETCH(QString, hint);
    QFETCH(int, records);
    if (fault == "file")
        QVERIFY(QFile(m_keeper.folder()).open(QIODevice::WriteOnly));
    Pupil pupil(m_keeper);
    pupil.form->openFile(problem("Primo.znv"));
    if (fault != "file") {
        pupil.solve(false);
        rlimit before{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
        rlimit small = before;
        small.rlim_cur = 200;
        const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        if (fault == "end")
            pupil.enter(controlsOf(*pupil.form).resultBoxes[1], "48 cm²");
        else
            pupil.form->openFile(problem("Secondo.znv"));
        setrlimit(RLIMIT_FSIZE, &before);
        signal(SIGXFSZ, previousHandler);
    }
    QCOMPARE(pupil.hint(), hint);
    const QString cause = fault == "file" ? "non è una cartella" : "il disco è pieno.";
    const QString notice = "Impossibile scrivere il risultato nella cartella «" +
                           QDir::toNativeSeparators(m_keeper.folder()) + "»: ";
    QVERIFY2(pupil.explanation().contains(notice) && pupil.explanation().contains(cause) &&
                 pupil.explanation().endsWith("ma puoi continuare a risolvere."),
             qPrintable(pupil.explanation()));
    QCOMPARE(m_boxes.shown().size(), 0);
    pupil.form->openFile(problem("Secondo.znv"));
    pupil.solve();
    QCOMPARE(pupil.hint(), "Bravo. Hai finito.");
    QVERIFY(!pupil.explanation().contains("Impossibile"));
    QCOMPARE(this->records().size(), records);
}

QTEST_MAIN(TestAttempts)
#include "tst_attempts.moc"
