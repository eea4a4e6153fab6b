// Solving problems in the work window, driven through the real widgets the way
// a pupil would: clicking, typing and pressing Enter, only on what is offered,
// and watching what shows: boxes, pictures, the focus, messages about files.
#include "formulacatalogue.h"
#include "formulapanel.h"
#include "messagebox.h"
#include "problemfile.h"
#include "programfolder.h"
#include "scriptedfiledialog.h"
#include "solverhandler.h"
#include "workwindow.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

#include <sys/stat.h>

namespace {

const QString beside = QStringLiteral(ZENUVIO_SOURCE_DIR "/resources/beside/");
const QString sources = QStringLiteral(ZENUVIO_SOURCE_DIR "/");
const QString testo = QStringLiteral("Problema di prova.");
const QString hintCodes = QStringLiteral("CIBEASF");
const QStringList hints = QStringLiteral("Ciao/Inserisci i dati/Bravo/Errato/Errata/"
                                         "Bravo. Scegli la formula/Bravo. Hai finito.")
                              .split('/');

EditorProblem problem(const QStringList &dati, const QList<std::optional<int>> &formule,
                      const QStringList &risultati, const QString &figura = {})
{
    EditorProblem p{testo, figura, {}, {}, {}};
    std::copy(dati.begin(), dati.end(), p.dati.begin());
    std::copy(formule.begin(), formule.end(), p.formule.begin());
    std::copy(risultati.begin(), risultati.end(), p.risultati.begin());
    return p;
}

std::optional<std::tuple<QString, QString, std::array<QString, 8>, std::array<QString, 8>,
                         std::array<QString, 8>>>
problemRead(const SolverHandler *handler)
{
    const auto &p = handler->session().problem();
    if (!p)
        return std::nullopt;
    return std::tuple(p->testo, p->nomeFigura, p->dati, p->formule, p->risultati);
}

QImage comparable(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// A work window in solving mode, shown and active, with a scripted open dialog.
struct Pupil {
    ScriptedDialogs dialog;
    WorkWindow *form = nullptr;
    SolverHandler *handler = nullptr;
    QStringList answers;

    Pupil()
    {
        form = WorkWindow::load(
            WorkMode::Solving, ModeHandlers{{}, [this](WorkWindow &window) {
                                                auto made = std::make_unique<SolverHandler>(window);
                                                handler = made.get();
                                                return made;
                                            }});
        form->show();
        QApplication::setActiveWindow(form);
        (void)QTest::qWaitForWindowActive(form); // the tests skip when it is not
    }
    ~Pupil()
    {
        form->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void open(const QString &path)
    {
        answers << path;
        dialog->answer(path);
        QTest::mouseClick(form->cmdApri_Risoluzione, Qt::LeftButton);
    }
    // Clicks the box, replaces its text if asked to, presses Enter.
    void enter(QLineEdit *box, bool replace, const QString &text)
    {
        if (!box->isVisible() || !box->isEnabled())
            return;
        QTest::mouseClick(box, Qt::LeftButton);
        if (replace) {
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_Delete);
            QTest::keyClicks(box, text);
        }
        QTest::keyClick(box, Qt::Key_Return);
    }
    // Clicks the caption of the formula's tab, then the formula.
    void clickFormula(int number)
    {
        const QString caption = FormulaCatalogue::tabCaption(FormulaCatalogue::entry(number).tab);
        for (TabCaption *tab : form->formulaPanel->findChildren<TabCaption *>()) {
            if (tab->text() == caption && tab->isVisible())
                QTest::mouseClick(tab, Qt::LeftButton);
        }
        if (form->picFormula(number)->isVisible())
            QTest::mouseClick(form->picFormula(number), Qt::LeftButton);
    }
    QString slotPicture(int step) const
    {
        const QPixmap &picture = form->stepFormulaBoxes[step]->picture();
        if (picture.isNull())
            return "x";
        for (int n = 0; n < FormulaPanel::FormulaCount; ++n) {
            if (picture.cacheKey() == form->picFormula(n)->picture().cacheKey())
                return QString::number(n);
        }
        const QImage vuoto(ProgramFolder::file("Vuoto.gif"));
        return !vuoto.isNull() && comparable(picture.toImage()) == comparable(vuoto) ? "v" : "?";
    }
    // What the window shows, as the scripts below write it.
    QString seen() const
    {
        QString dati, ris;
        QStringList pictures;
        for (int i = 0; i < WorkWindow::SlotCount; ++i) {
            const bool slot = form->stepFormulaBoxes[i]->isVisible();
            dati += form->txtDati[i]->isVisible() ? QString::number(i) : "";
            ris += form->txtRisultato[i]->isVisible() ? QString::number(i) : "";
            // "!": an "=" without its slot, or a slot without its "=".
            pictures << (slot ? slotPicture(i) : "_") +
                            (form->equalsSigns[i]->isVisible() != slot ? "!" : "");
        }
        while (!pictures.isEmpty() && pictures.last() == "_")
            pictures.removeLast();
        const QWidget *focus = QApplication::focusWidget();
        QString focused = focus ? focus->objectName() : "-";
        focused.replace("txtDati_", "d").replace("picFormRis_", "p").replace("txtRisultato_", "r");
        focused.replace("cmdApri_Risoluzione", "A").replace("txtTesto", "t");
        const auto orDash = [](const QString &s) { return s.isEmpty() ? QString("-") : s; };
        return QString("%1 d%2 s%3 r%4 %5 k%6 @%7")
            .arg(form->lblAvviso_Risoluzione->text(), orDash(dati), orDash(pictures.join(',')),
                 orDash(ris), QString(form->formulaPanel->isSwitchedOn() ? "on" : "off"))
            .arg(handler->session().stage() == SolvingSession::Stage::NoProblem
                     ? QString("-")
                     : QString::number(handler->session().index()))
            .arg(focused);
    }
};

} // namespace

class TestSolving : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void session_data();
    void session();
    void figure_data();
    void figure();

private:
    void play(Pupil &pupil, const QStringList &script);

    QTemporaryDir m_programFolder;
    std::optional<ProgramFolder::Override> m_program;
    MessageBox::Recording m_boxes;
    QTemporaryDir m_problems;
    QMap<QString, QString> m_paths;
    // Files solving mode refuses: all but "bloccato" the editor refuses too.
    const QStringList m_unreadable = {"vuoto",   "corto", "cartella", "inesistente",
                                      "formula", "nul",   "tubo",     "bloccato"};
};

void TestSolving::initTestCase()
{
    // The folder a dialog opens in is kept in the settings of the test, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(QFile::copy(beside + "Vuoto.gif", m_programFolder.filePath("Vuoto.gif")));
    QVERIFY(QFile::copy(sources + "examples/Rettangolo.gif",
                        m_programFolder.filePath("Rettangolo.gif")));
    m_program.emplace(m_programFolder.path());

    const QMap<QString, EditorProblem> problems = {
        {"rettangolo", problem({"8 cm", "6 cm"}, {9, 6}, {"28 cm", "48 cm²"}, "Rettangolo.gif")},
    };
    for (auto it = problems.cbegin(); it != problems.cend(); ++it) {
        m_paths[it.key()] = m_problems.filePath(it.key() + ".znv");
        QCOMPARE(ProblemFile::write(m_paths[it.key()], it.value()), QString());
    }
    for (const QString &name : m_unreadable + QStringList{"zero"})
        m_paths[name] = m_problems.filePath(name);
    const auto put = [this](const char *name, const QByteArray &bytes) {
        QFile file(m_paths[name]);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    // The formula lines of "zero" are " 06 " and " 9 "; "bloccato" has no formula for the
    // first step, which no pupil could ever get past.
    const QByteArray lines = testo.toLatin1() + "\r\n\r\n8 cm\r\n6 cm" + QByteArray(7, '\n');
    QVERIFY(
        put("vuoto", "") && put("corto", QByteArray("riga\r\n").repeated(25)) &&
        put("formula", lines + " 6a\n" + QByteArray(7, '\n') + "48 cm\n" + QByteArray(7, '\n')) &&
        put("nul",
            lines + " 6 \n" + QByteArray(7, '\n') + QByteArray("48\0", 3) + QByteArray(8, '\n')) &&
        put("bloccato",
            lines + "\n 9 " + QByteArray(7, '\n') + "48 cm²\n28 cm" + QByteArray(7, '\n')) &&
        put("zero",
            lines + " 06 \n 9 " + QByteArray(7, '\n') + "48 cm\n28 cm" + QByteArray(7, '\n')));
    QCOMPARE(mkfifo(QFile::encodeName(m_paths["tubo"]).constData(), 0600), 0);
    QVERIFY(QDir().mkpath(m_paths["cartella"]));
}

// Each step: "<act><n> <text>|<what the window shows then>". Acts: O opens the
// problem named text (none: the dialog is left), D and R type text into data
// or result box n and press Enter, d and r press Enter in that box as it is, F
// clicks formula n, T clicks the problem text. What is shown: the hint (its
// letter in hintCodes), the data boxes, the formula slots up to the last one shown (a
// formula number, v for Vuoto.gif, x for no picture, _ for a hidden slot), the
// result boxes, the formula panel, the session's index (- with no problem) and
// the focus (dN, pN, rN for the boxes and slots, A for the open button, t for
// the text). The rules themselves are tried in tst_solvingsession; these
// sessions show that the window follows them.
void TestSolving::play(Pupil &pupil, const QStringList &script)
{
    for (const QString &step : script) {
        const QString action = step.section('|', 0, 0), expected = step.section('|', 1);
        const int n = action.mid(1).section(' ', 0, 0).toInt();
        const QString text = action.mid(1).section(' ', 1);
        const auto before = problemRead(pupil.handler);
        m_boxes.clear();
        const QChar act = action.at(0);
        if (act == 'O')
            pupil.open(m_paths.value(text));
        else if (act == 'F')
            pupil.clickFormula(n);
        else if (act == 'T')
            QTest::mouseClick(pupil.form->txtTesto->viewport(), Qt::LeftButton);
        else
            pupil.enter((act.toLower() == 'd' ? pupil.form->txtDati : pupil.form->txtRisultato)[n],
                        act.isUpper(), text);
        if (!expected.isEmpty()) {
            const QString want = hints.value(hintCodes.indexOf(expected.at(0))) + expected.mid(1);
            QVERIFY2(pupil.seen() == want, qPrintable(step + "\n   seen: " + pupil.seen()));
        }
        QCOMPARE(m_boxes.shown().size(), act == 'O' && m_unreadable.contains(text) ? 1 : 0);
        for (const MessageBox::Shown &box : m_boxes.shown()) {
            QCOMPARE(box.icon, MessageBox::Icon::Warning);
            QVERIFY2(box.text.contains(QDir::toNativeSeparators(m_paths[text])),
                     qPrintable(box.text));
            // The editor refuses the same file with the same words.
            if (text != "bloccato")
                QCOMPARE(box.text, ProblemFile::readForEditor(m_paths[text]).error);
        }
        if (act != 'O')
            continue;
        // Opened: the problem's text and figure. Not opened: an empty window,
        // and the problem read before still whole in memory.
        const bool opened = pupil.form->lblAvviso_Risoluzione->text() == hints[1];
        QCOMPARE(pupil.form->txtTesto->isEnabled(), opened);
        QCOMPARE(pupil.form->txtTesto->toPlainText(), opened ? testo : QString());
        QCOMPARE(pupil.form->figureBox->hasPicture(), text == "rettangolo");
        QCOMPARE(pupil.form->windowHandle()->title(),
                 opened ? QFileInfo(m_paths[text]).fileName() + " - Zenuvio" : "Zenuvio");
        if (!opened)
            QVERIFY(problemRead(pupil.handler) == before);
    }
}

void TestSolving::session_data()
{
    QTest::addColumn<QStringList>("script");

    // While the data are typed the formula panel is off, and after the end again.
    QTest::newRow("dati, formule e risultati giusti e sbagliati") << QStringList{
        "O rettangolo|I d0 s- r- off k0 @d0", "D0 8 cm |E d0 s- r- off k0 @d0",
        "D0 8 CM|E d0 s- r- off k0 @d0",      "D0 8 cm|B d01 s- r- off k1 @d1",
        "F9|B d01 s- r- off k1 @d1",          "D1 6 cm|S d01 sv r- on k0 @p0",
        "F6|A d01 sv r- on k0 @p0",           "F9|B d01 s9 r0 on k0 @r0",
        "R0 28 cm |E d01 s9 r0 on k0 @r0",    "R0 28 cm|S d01 s9,v r01 on k1 @p1",
        "F6|B d01 s9,6 r01 on k1 @r1",        "F7|A d01 s9,6 r01 on k1 @p1",
        "R1 48 cm²|F d01 s9,6 r01 off k0 @A", "F9|F d01 s9,6 r01 off k0 @A",
    };
    QTest::newRow("file che non si leggono") << QStringList{
        "O rettangolo|I d0 s- r- off k0 @d0", "D0 8 cm|B d01 s- r- off k1 @d1",
        "O vuoto|C d- s- r- off k- @A",       "D0 8 cm|C d- s- r- off k- @A",
        "O corto|C d- s- r- off k- @A",       "O cartella|C d- s- r- off k- @A",
        "O inesistente|C d- s- r- off k- @A", "O formula|C d- s- r- off k- @A",
        "O nul|C d- s- r- off k- @A",         "O tubo|C d- s- r- off k- @A",
        "O bloccato|C d- s- r- off k- @A",    "O rettangolo|I d0 s- r- off k0 @d0",
    };
    // " 06 " is formula 6, as the editor reads it.
    QTest::newRow("formula scritta con uno zero davanti") << QStringList{
        "O zero|I d0 s- r- off k0 @d0",
        "D0 8 cm|B d01 s- r- off k1 @d1",
        "D1 6 cm|S d01 sv r- on k0 @p0",
        "F6|B d01 s6 r0 on k0 @r0",
    };
}

void TestSolving::session()
{
    QFETCH(QStringList, script);
    Pupil pupil;
    if (!pupil.form->isActiveWindow())
        QSKIP("The work window cannot be made active here.");
    play(pupil, script);

    // The dialog proposes the path chosen at the previous open.
    QCOMPARE(pupil.form->problemDialog.filter(), QStringLiteral("Zenuvio (*.znv)|*.znv"));
    QStringList proposed;
    for (const ScriptedFileDialog::Showing &showing : pupil.dialog->showings())
        proposed << (showing.forSaving ? "saving!" : showing.proposed);
    QCOMPARE(proposed, QStringList(QString()) + pupil.answers.mid(0, pupil.answers.size() - 1));
}

void TestSolving::figure_data()
{
    // The figure's name; the file of the source tree put under that name in
    // the program folder, and beside the problem; the picture shown; the start
    // of the notice.
    QTest::addColumn<QStringList>("row");
    const QString rettangolo = QStringLiteral("examples/Rettangolo.gif");

    QTest::newRow("nella cartella del programma")
        << QStringList{"Rettangolo.gif", rettangolo, "", rettangolo, ""};
    QTest::newRow("accanto al problema")
        << QStringList{"Rettangolo.gif", "", rettangolo, rettangolo, ""};
    QTest::newRow("mancante") << QStringList{"Trapezio.gif", "", "", "",
                                             "La figura «Trapezio.gif» non è stata trovata"};
    QTest::newRow("file illeggibile")
        << QStringList{"Rotto.gif", "resources/beside/Aiuto.HLP", "", "",
                       "La figura «Rotto.gif» non si può mostrare"};
}

// The program folder here has no "Vuoto.gif": the slots stay empty, and the
// problem is solved all the same, with nothing more said.
void TestSolving::figure()
{
    QFETCH(QStringList, row);
    QTemporaryDir program, problems;
    const QString path = problems.filePath("problema.znv");
    if (!row[1].isEmpty())
        QVERIFY(QFile::copy(sources + row[1], program.filePath(row[0])));
    if (!row[2].isEmpty())
        QVERIFY(QFile::copy(sources + row[2], problems.filePath(row[0])));
    QCOMPARE(ProblemFile::write(path, problem({"8 cm"}, {6, 9}, {"48 cm²", "28 cm"}, row[0])),
             QString());
    ProgramFolder::Override folder(program.path());
    m_boxes.clear();

    Pupil pupil;
    if (!pupil.form->isActiveWindow())
        QSKIP("The work window cannot be made active here.");
    pupil.open(path);
    QVERIFY(comparable(pupil.form->figureBox->picture().toImage()) ==
            comparable(row[3].isEmpty() ? QImage() : QImage(sources + row[3])));
    QCOMPARE(m_boxes.shown().size(), row[4].isEmpty() ? 0 : 1);
    for (const MessageBox::Shown &box : m_boxes.shown()) {
        QCOMPARE(box.icon, MessageBox::Icon::Information);
        QVERIFY2(box.text.startsWith(row[4]), qPrintable(box.text));
    }
    play(pupil, {"D0 8 cm", "F6|B d0 s6 r0 on k0 @r0", "R0 48 cm²|S d0 s6,x r01 on k1 @p1", "F9",
                 "R1 28 cm|F d0 s6,9 r01 off k0 @A"});
}

QTEST_MAIN(TestSolving)
#include "tst_solving.moc"
