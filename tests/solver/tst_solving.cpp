// Solving in the work window, driven through the real widgets as a pupil
// would. A session is a list of acts (apri NAME, chiudi, dato K "text",
// formula N, risultato K "text"), each with what the window shows then: the
// hint, the data boxes, the formula slots (a formula's number, v for
// "Vuoto.gif", _ for a hidden slot, ! for an "=" apart from its slot), the
// result boxes, the formula panel and the control with the focus. The rules
// are tried in tst_solvingsession; here, what the window makes of them, of
// the files opened, and the attempts it keeps in the results folder.
#include "attemptfile.h"
#include "attemptkeeper.h"
#include "formulapanel.h"
#include "messagebox.h"
#include "problemfile.h"
#include "programfolder.h"
#include "pupilacts.h"
#include "scriptedfiledialog.h"
#include "solverhandler.h"
#include "windowcontrols.h"
#include "workwindow.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

const QString Text = QStringLiteral("Problema di prova.");

// A work window in solving mode, shown and active, whose attempts go to the keeper.
struct Pupil {
    ScriptedDialogs dialog;
    QPointer<WorkWindow> form;
    QStringList told; // what the screen reader was given

    explicit Pupil(AttemptKeeper *keeper = nullptr)
    {
        form = WorkWindow::load(WorkMode::Solving,
                                {{}, [keeper](WorkWindow &w) {
                                     auto h = std::make_unique<SolverHandler>(w.solvingView());
                                     h->setKeeper(keeper);
                                     return std::unique_ptr<ModeHandler>(std::move(h));
                                 }});
        QObject::connect(announcerOf(*form), &Announcer::announced,
                         [this](const QString &text) { told << text; });
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
    WorkWindowControls controls() const { return controlsOf(*form); }
    void datum(int k, const QString &text) { PupilActs::enter(controls().dataBoxes[k], text); }
    void result(int k, const QString &text) { PupilActs::enter(controls().resultBoxes[k], text); }
    void formula(int number) { PupilActs::clickFormula(*form, number); }
    // The rectangle with one slip at each kind of entry: 8 acts, and the last
    // Enter, the 9th.
    void solve(bool toTheEnd = true)
    {
        datum(0, "8 cm");
        datum(1, "6");
        datum(1, "6 cm");
        formula(6);
        formula(9);
        result(0, "28 cm");
        formula(6);
        result(1, "48 cmq");
        if (toTheEnd)
            result(1, "48 cm²");
    }
    QString hint() const { return controls().hintLabel->text(); }
    QString explanation() const { return controls().explanationLabel->text(); }

    // What the window shows, in the words of the sessions.
    QString seen() const
    {
        const WorkWindowControls c = controls();
        const auto argb = [](const QPixmap &p) {
            return p.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        };
        const QImage empty = argb(QPixmap(ProgramFolder::file("Vuoto.gif")));
        QString data, results;
        QStringList pictures;
        for (int i = 0; i < WorkWindow::SlotCount; ++i) {
            data += c.dataBoxes[i]->isVisible() ? QString::number(i) : "";
            results += c.resultBoxes[i]->isVisible() ? QString::number(i) : "";
            const PictureBox *slot = c.stepFormulaBoxes[i];
            QString shown = slot->isVisible() ? "?" : "_";
            // A formula counts as shown when assistive technology is told it too.
            for (int n = 0; slot->isVisible() && n < FormulaPanel::FormulaCount; ++n)
                if (slot->picture().cacheKey() ==
                        formulaPictureOf(*form, n)->picture().cacheKey() &&
                    slot->accessibleDescription() == FormulaPanel::spokenFormula(n))
                    shown = QString::number(n);
            if (shown == "?" && !slot->picture().isNull() && argb(slot->picture()) == empty)
                shown = "v";
            pictures << shown + (c.equalsSigns[i]->isVisible() != slot->isVisible() ? "!" : "");
        }
        while (!pictures.isEmpty() && pictures.last() == "_")
            pictures.removeLast();
        const auto orDash = [](const QString &s) { return s.isEmpty() ? QString("-") : s; };
        const QWidget *focus = QApplication::focusWidget();
        return QStringList{
            c.hintLabel->text(),
            "d" + orDash(data) + " s" + orDash(pictures.join(',')) + " r" + orDash(results),
            c.formulaPanel->isSwitchedOn() ? "acceso" : "spento", focus ? focus->objectName() : "-"}
            .join(" | ");
    }
};

} // namespace

class TestSolving : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void session_data();
    void session();
    void finishedThenNext();
    void left_data();
    void left();
    void refused_data();
    void refused();

private:
    QString problem(const QString &name) const { return m_problems.filePath(name); }
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

// The figure of "diagonali" lies beside it; that of "mancante" nowhere;
// "bloccato" has no formula for its first step: no pupil could get past it.
void TestSolving::initTestCase()
{
    // The folder a dialog opens in is kept in the settings of the test, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    const QString sources = QStringLiteral(ZENUVIO_SOURCE_DIR "/");
    QVERIFY(
        QFile::copy(sources + "resources/beside/Vuoto.gif", m_programFolder.filePath("Vuoto.gif")));
    QVERIFY(QFile::copy(sources + "examples/Rettangolo.gif", problem("Rettangolo.gif")));
    m_program.emplace(m_programFolder.path());
    // Formula 138, the last of the panel, stands on its first tab with formula 0.
    const Problem diagonali{Text, "Rettangolo.gif", {"8 cm"}, {0, 138}, {"64 cm²", "4 cm"}};
    QCOMPARE(ProblemFile::write(problem("diagonali"), diagonali), QString());
    Problem mancante = diagonali;
    mancante.figureName = "Trapezio.gif";
    QCOMPARE(ProblemFile::write(problem("mancante"), mancante), QString());
    QFile file(problem("bloccato"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(Text.toLatin1() + "\r\n\r\n8 cm" + QByteArray(8, '\n') + "\n 9 " +
               QByteArray(7, '\n') + "48 cm²\n28 cm" + QByteArray(7, '\n'));
    const Problem rectangle{"Un rettangolo.", "", {"8 cm", "6 cm"}, {9, 6}, {"28 cm", "48 cm²"}};
    for (const char *name : {"Primo.znv", "Secondo.znv"})
        QCOMPARE(ProblemFile::write(problem(name), rectangle), QString());
}

void TestSolving::init()
{
    m_boxes.clear();
    m_results.emplace();
    m_keeper = AttemptKeeper();
    m_keeper.setFolder(m_results->filePath("Risultati"));
    m_keeper.setPupil("  Anna B. ");
}

void TestSolving::session_data()
{
    QTest::addColumn<QStringList>("script");
    QTest::newRow("diagonali, fino alla formula 138") << QStringList{
        R"(apri diagonali -> Inserisci i dati | d0 s- r- | spento | txtDati_0)",
        R"(dato 0 "8 cm" -> Bravo. Scegli la formula | d0 sv r- | acceso | picFormRis_0)",
        R"(formula 1 -> Errata | d0 sv r- | acceso | picFormRis_0)",
        R"(formula 0 -> Bravo | d0 s0 r0 | acceso | txtRisultato_0)",
        R"(risultato 0 "64 cm²" -> Bravo. Scegli la formula | d0 s0,v r01 | acceso | picFormRis_1)",
        R"(formula 138 -> Bravo | d0 s0,138 r01 | acceso | txtRisultato_1)",
        R"(risultato 1 "4 cm" -> Bravo. Hai finito. | d0 s0,138 r01 | spento | cmdApri_Risoluzione)",
    };
    // A missing figure is told, and the problem is solved without it.
    QTest::newRow("senza figura, illeggibili, nessun file") << QStringList{
        R"(apri mancante -> Inserisci i dati | d0 s- r- | spento | txtDati_0)",
        R"(dato 0 "8 cm" -> Bravo. Scegli la formula | d0 sv r- | acceso | picFormRis_0)",
        R"(apri inesistente -> Ciao | d- s- r- | spento | cmdApri_Risoluzione)",
        R"(dato 0 "8 cm" -> Ciao | d- s- r- | spento | cmdApri_Risoluzione)",
        R"(apri bloccato -> Ciao | d- s- r- | spento | cmdApri_Risoluzione)",
        R"(apri diagonali -> Inserisci i dati | d0 s- r- | spento | txtDati_0)",
        R"(chiudi -> Ciao | d- s- r- | spento | cmdApri_Risoluzione)",
    };
}

void TestSolving::session()
{
    QFETCH(QStringList, script);
    static const QRegularExpression act(
        R"re(^(apri|chiudi|dato|formula|risultato)(?: (\S+))?(?: "(.*)")? -> (.*)$)re");
    Pupil pupil;
    if (!pupil.form->isActiveWindow())
        QSKIP("The work window cannot be made active here.");
    const WorkWindowControls c = pupil.controls();
    for (const QString &line : script) {
        const QRegularExpressionMatch m = act.match(line);
        QVERIFY2(m.hasMatch(), qPrintable("cannot read: " + line));
        const QString verb = m.captured(1), name = m.captured(2);
        m_boxes.clear();
        if (verb == "apri" || verb == "chiudi") {
            pupil.dialog->answer(name.isEmpty() ? QString() : problem(name));
            QTest::mouseClick(c.solvingOpenButton, Qt::LeftButton);
        } else if (verb == "formula") {
            pupil.formula(name.toInt());
        } else {
            (verb == "dato" ? pupil.datum(name.toInt(), m.captured(3))
                            : pupil.result(name.toInt(), m.captured(3)));
        }
        QVERIFY2(pupil.seen() == m.captured(4), qPrintable(line + "\n   seen: " + pupil.seen()));
        if (verb != "apri") {
            QVERIFY(m_boxes.shown().isEmpty());
            continue;
        }
        // Opened: the problem's text, which the pupil cannot change, and its
        // figure. Not opened: an empty window, and a warning with the editor's words.
        const bool read = name == "diagonali" || name == "mancante";
        QCOMPARE(c.problemText->isEnabled(), read);
        if (read) {
            c.problemText->setFocus();
            QTest::keyClick(c.problemText, Qt::Key_X);
            QTest::keyClick(c.problemText, Qt::Key_2, Qt::ControlModifier);
        }
        QCOMPARE(c.problemText->toPlainText(), read ? Text : QString());
        QCOMPARE(c.figureBox->hasPicture(), name == "diagonali");
        // The panel stays on its first tab: another would tell the answer.
        QCOMPARE(c.formulaPanel->currentTab(), 0);
        QCOMPARE(pupil.form->windowHandle()->title(), read ? name + " - Zenuvio" : "Zenuvio");
        QCOMPARE(int(m_boxes.shown().size()), name == "diagonali" ? 0 : 1);
        for (const MessageBox::Shown &box : m_boxes.shown()) {
            QCOMPARE(box.icon, read ? MessageBox::Icon::Information : MessageBox::Icon::Warning);
            const QString file = read ? "«Trapezio.gif»" : QDir::toNativeSeparators(problem(name));
            QVERIFY2(box.text.contains(file), qPrintable(box.text));
            if (name == "inesistente")
                QCOMPARE(box.text, ProblemFile::read(problem(name)).error);
        }
    }
}

// Finished: kept at once; Ctrl+N, which does nothing before the end, opens
// the next problem with no dialog, and after the last one says so.
void TestSolving::finishedThenNext()
{
    Pupil pupil(&m_keeper);
    pupil.form->openFile(problem("Primo.znv"));
    pupil.solve();
    QCOMPARE(records().size(), 1);
    const AttemptRecord first = record(0);
    QFile file(problem("Primo.znv"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE((QStringList{first.pupil, first.problem, first.problemSha256}),
             (QStringList{
                 "Anna B.", "Primo.znv",
                 QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex()}));

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

void TestSolving::left_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("name");
    const char *rows[][3] = {
        {"Apri, then no problem chosen", "apri", "Anna"},
        {"the program ends", "fine", "Anna"},
        {"another problem named", "file", "Anna"},
        {"no name: nothing, not even the folder", "esci", "  "},
    };
    for (const auto &row : rows)
        QTest::newRow(row[0]) << QString(row[1]) << QString(row[2]);
}

// Left before the end: kept once, unfinished, with the acts so far.
void TestSolving::left()
{
    QFETCH(QString, way);
    QFETCH(QString, name);
    m_keeper.setPupil(name);
    Pupil pupil(&m_keeper);
    pupil.form->openFile(problem("Primo.znv"));
    pupil.solve(false);
    if (way == "apri") {
        QTest::mouseClick(pupil.controls().solvingOpenButton, Qt::LeftButton);
    } else if (way == "esci") {
        QTest::mouseClick(pupil.controls().solvingExitButton, Qt::LeftButton);
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

void TestSolving::refused_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("hint"); // where the notice comes
    QTest::addColumn<int>("records");  // once the disk has room again
    QTest::newRow("the folder is a file") << "file"
                                          << "Inserisci i dati" << 0;
    QTest::newRow("disk full at the end") << "full"
                                          << "Bravo. Hai finito." << 1;
}

// A record that cannot be written: no file is left, not even a piece of one; the
// pupil is told once, beside the next hint and to the screen reader, with no
// box, and solves on.
void TestSolving::refused()
{
    QFETCH(QString, fault);
    QFETCH(QString, hint);
    QFETCH(int, records);
    if (fault == "file")
        QVERIFY(QFile(m_keeper.folder()).open(QIODevice::WriteOnly));
    Pupil pupil(&m_keeper);
    pupil.form->openFile(problem("Primo.znv"));
    if (fault != "file") {
        pupil.solve(false);
        rlimit before{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
        rlimit small = before;
        small.rlim_cur = 200;
        const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        pupil.result(1, "48 cm²");
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
    QCOMPARE(pupil.told.value(pupil.told.size() - 1), hint + " " + pupil.explanation());
    QCOMPARE(m_boxes.shown().size(), 0);
    pupil.form->openFile(problem("Secondo.znv"));
    pupil.solve();
    QCOMPARE(pupil.hint(), "Bravo. Hai finito.");
    QVERIFY(!pupil.explanation().contains("Impossibile"));
    QCOMPARE(this->records().size(), records);
}

QTEST_MAIN(TestSolving)
#include "tst_solving.moc"
