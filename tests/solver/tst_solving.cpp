// Solving problems in the work window, driven through the real widgets the way
// a pupil would: clicking, typing and pressing Enter, only on what is offered,
// and watching what shows: boxes, pictures, the focus, messages about files.
// The rules themselves are tried in tst_solvingsession; these sessions show
// that the window follows them.
#include "formulacatalogue.h"
#include "formulapanel.h"
#include "messagebox.h"
#include "problemfile.h"
#include "programfolder.h"
#include "pupilacts.h"
#include "scriptedfiledialog.h"
#include "solverhandler.h"
#include "windowcontrols.h"
#include "workwindow.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QWindow>
#include <QtTest>

namespace {

const QString sources = QStringLiteral(ZENUVIO_SOURCE_DIR "/");
const QString testo = QStringLiteral("Problema di prova.");
const QString hintCodes = QStringLiteral("CIBEASF");
const QStringList hints = QStringLiteral("Ciao/Inserisci i dati/Bravo/Errato/Errata/"
                                         "Bravo. Scegli la formula/Bravo. Hai finito.")
                              .split('/');

// A work window in solving mode, shown and active, with a scripted open dialog.
struct Pupil {
    ScriptedDialogs dialog;
    WorkWindow *form = WorkWindow::load(WorkMode::Solving, ModeHandlers{{}, makeSolverHandler});
    QStringList answers;

    Pupil()
    {
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
        QTest::mouseClick(controlsOf(*form).solvingOpenButton, Qt::LeftButton);
    }
    void enter(QLineEdit *box, const QString &text) { PupilActs::enter(box, text); }
    void clickFormula(int number) { PupilActs::clickFormula(*form, number); }
    QString slotPicture(int step) const
    {
        const QPixmap &picture = controlsOf(*form).stepFormulaBoxes[step]->picture();
        for (int n = 0; n < FormulaPanel::FormulaCount; ++n) {
            if (picture.cacheKey() == formulaPictureOf(*form, n)->picture().cacheKey())
                return QString::number(n);
        }
        const auto argb = [](const QImage &image) {
            return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        };
        const QImage vuoto(ProgramFolder::file("Vuoto.gif"));
        return !picture.isNull() && argb(picture.toImage()) == argb(vuoto) ? "v" : "?";
    }
    // What the window shows, as the scripts below write it.
    QString seen() const
    {
        QString dati, ris;
        QStringList pictures;
        for (int i = 0; i < WorkWindow::SlotCount; ++i) {
            const bool slot = controlsOf(*form).stepFormulaBoxes[i]->isVisible();
            dati += controlsOf(*form).dataBoxes[i]->isVisible() ? QString::number(i) : "";
            ris += controlsOf(*form).resultBoxes[i]->isVisible() ? QString::number(i) : "";
            // "!": an "=" without its slot, or a slot without its "=".
            pictures << (slot ? slotPicture(i) : "_") +
                            (controlsOf(*form).equalsSigns[i]->isVisible() != slot ? "!" : "");
        }
        while (!pictures.isEmpty() && pictures.last() == "_")
            pictures.removeLast();
        const QWidget *focus = QApplication::focusWidget();
        QString focused = focus ? focus->objectName() : "-";
        focused.replace("txtDati_", "d").replace("picFormRis_", "p").replace("txtRisultato_", "r");
        focused.replace("cmdApri_Risoluzione", "A");
        const auto orDash = [](const QString &s) { return s.isEmpty() ? QString("-") : s; };
        return QString("%1 d%2 s%3 r%4 %5 @%6")
            .arg(controlsOf(*form).hintLabel->text(), orDash(dati), orDash(pictures.join(',')),
                 orDash(ris),
                 QString(controlsOf(*form).formulaPanel->isSwitchedOn() ? "on" : "off"), focused);
    }
};

} // namespace

class TestSolving : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void session_data();
    void session();

private:
    QTemporaryDir m_programFolder;
    std::optional<ProgramFolder::Override> m_program;
    MessageBox::Recording m_boxes;
    QTemporaryDir m_problems;
    QMap<QString, QString> m_paths;
    // Files solving mode refuses: the editor refuses "inesistente" too, with
    // the same words, but opens "bloccato".
    const QStringList m_unreadable = {"inesistente", "bloccato"};
};

// The figure of "rettangolo" lies beside it; that of "mancante" nowhere.
void TestSolving::initTestCase()
{
    // The folder a dialog opens in is kept in the settings of the test, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(
        QFile::copy(sources + "resources/beside/Vuoto.gif", m_programFolder.filePath("Vuoto.gif")));
    QVERIFY(
        QFile::copy(sources + "examples/Rettangolo.gif", m_problems.filePath("Rettangolo.gif")));
    m_program.emplace(m_programFolder.path());

    for (const char *name : {"rettangolo", "mancante", "inesistente", "bloccato"})
        m_paths[name] = m_problems.filePath(name);
    for (const char *name : {"rettangolo", "mancante"}) {
        const Problem p{testo,
                        name == QString("mancante") ? "Trapezio.gif" : "Rettangolo.gif",
                        {"8 cm", "6 cm"},
                        {9, 6},
                        {"28 cm", "48 cm²"}};
        QCOMPARE(ProblemFile::write(m_paths[name], p), QString());
    }
    // "bloccato" has no formula for its first step: no pupil could get past it.
    QFile file(m_paths["bloccato"]);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(testo.toLatin1() + "\r\n\r\n8 cm" + QByteArray(8, '\n') + "\n 9 " +
               QByteArray(7, '\n') + "48 cm²\n28 cm" + QByteArray(7, '\n'));
}

void TestSolving::session_data()
{
    QTest::addColumn<QStringList>("script");

    // While the data are typed the formula panel is off, and after the end again.
    QTest::newRow("dati, formule e risultati giusti e sbagliati") << QStringList{
        "O rettangolo|I d0 s- r- off @d0", "D0 8 cm |E d0 s- r- off @d0",
        "D0 8 cm|B d01 s- r- off @d1",     "F9|B d01 s- r- off @d1",
        "D1 6 cm|S d01 sv r- on @p0",      "F6|A d01 sv r- on @p0",
        "F9|B d01 s9 r0 on @r0",           "R0 28 cm|S d01 s9,v r01 on @p1",
        "F6|B d01 s9,6 r01 on @r1",        "F7|A d01 s9,6 r01 on @p1",
        "R1 48 cm²|F d01 s9,6 r01 off @A",
    };
    // A missing figure is told, and the problem is solved without it.
    QTest::newRow("senza figura, illeggibili, nessun file") << QStringList{
        "O mancante|I d0 s- r- off @d0",
        "D0 8 cm|B d01 s- r- off @d1",
        "O inesistente|C d- s- r- off @A",
        "D0 8 cm|C d- s- r- off @A",
        "O bloccato|C d- s- r- off @A",
        "O rettangolo|I d0 s- r- off @d0",
        "O|C d- s- r- off @A",
    };
}

// Each step: "<act><n> <text>|<what the window shows then>". Acts: O opens the
// problem named text (none: the dialog is left), D and R type text into data
// or result box n and press Enter, F clicks formula n. What is shown: the hint
// (its letter in hintCodes), the data boxes, the formula slots up to the last
// one shown (a formula number, v for Vuoto.gif, _ for a hidden slot), the
// result boxes, the formula panel and the focus (dN, pN, rN for the boxes and
// slots, A for the open button).
void TestSolving::session()
{
    QFETCH(QStringList, script);
    Pupil pupil;
    if (!pupil.form->isActiveWindow())
        QSKIP("The work window cannot be made active here.");
    for (const QString &step : script) {
        const QString action = step.section('|', 0, 0), expected = step.section('|', 1);
        const QString text = action.mid(1).section(' ', 1);
        const int n = action.mid(1).section(' ', 0, 0).toInt();
        const QChar act = action.at(0);
        m_boxes.clear();
        if (act == 'O')
            pupil.open(m_paths.value(text));
        else if (act == 'F')
            pupil.clickFormula(n);
        else
            pupil.enter((act == 'D' ? controlsOf(*pupil.form).dataBoxes
                                    : controlsOf(*pupil.form).resultBoxes)[n],
                        text);
        const QString want = hints.value(hintCodes.indexOf(expected.at(0))) + expected.mid(1);
        QVERIFY2(pupil.seen() == want, qPrintable(step + "\n   seen: " + pupil.seen()));
        if (act != 'O') {
            QVERIFY(m_boxes.shown().isEmpty());
            continue;
        }
        // Opened: the problem's text and figure. Not opened: an empty window,
        // and a warning with the editor's words.
        const bool opened = !m_unreadable.contains(text) && !text.isEmpty();
        QCOMPARE(controlsOf(*pupil.form).problemText->isEnabled(), opened);
        QCOMPARE(controlsOf(*pupil.form).problemText->toPlainText(), opened ? testo : QString());
        QCOMPARE(controlsOf(*pupil.form).figureBox->hasPicture(), text == "rettangolo");
        // The panel stays on its first tab: the formulas' tab would tell the answer.
        QCOMPARE(controlsOf(*pupil.form).formulaPanel->currentTab(), 0);
        QCOMPARE(pupil.form->windowHandle()->title(),
                 opened ? QFileInfo(m_paths[text]).fileName() + " - Zenuvio" : "Zenuvio");
        QCOMPARE(int(m_boxes.shown().size()),
                 int(m_unreadable.contains(text) || text == "mancante"));
        for (const MessageBox::Shown &box : m_boxes.shown()) {
            QCOMPARE(box.icon, opened ? MessageBox::Icon::Information : MessageBox::Icon::Warning);
            const QString file =
                opened ? "«Trapezio.gif»" : QDir::toNativeSeparators(m_paths[text]);
            QVERIFY2(box.text.contains(file), qPrintable(box.text));
            if (text == "inesistente")
                QCOMPARE(box.text, ProblemFile::read(m_paths[text]).error);
        }
    }

    // The dialog proposes the path chosen at the previous open.
    QCOMPARE(pupil.form->solvingView().problemDialog().filter(),
             QStringLiteral("Zenuvio (*.znv)|*.znv"));
    QStringList proposed;
    for (const ScriptedFileDialog::Showing &showing : pupil.dialog->showings())
        proposed << (showing.forSaving ? "saving!" : showing.proposed);
    QCOMPARE(proposed, QStringList(QString()) + pupil.answers.mid(0, pupil.answers.size() - 1));
}

QTEST_MAIN(TestSolving)
#include "tst_solving.moc"
