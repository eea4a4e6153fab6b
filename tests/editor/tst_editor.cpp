// The work window in editor mode, driven through its real controls.
#include "editorhandler.h"
#include "formulacatalogue.h"
#include "formulapanel.h"
#include "messagebox.h"
#include "programfolder.h"
#include "scriptedfiledialog.h"
#include "workwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QWindow>
#include <QtTest>

#include <sys/stat.h>

static QByteArray bytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

static void putBytes(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
}

// A problem file: text, figure, data, formulas and results, 26 lines ended by CR LF.
static QByteArray problemFile(const QByteArray &testo = {}, const QByteArray &figura = {},
                              const QByteArrayList &dati = {}, const QByteArrayList &formule = {},
                              const QByteArrayList &risultati = {})
{
    QByteArray all = testo + "\r\n" + figura + "\r\n";
    for (const QByteArrayList *part : {&dati, &formule, &risultati})
        for (int i = 0; i < WorkWindow::SlotCount; ++i)
            all += part->value(i) + "\r\n";
    return all;
}

// A solid picture; the reader goes by the content, so a PNG under a GIF's name will do.
static void makePicture(const QString &path, const QColor &colour, QSize size = {24, 16})
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    QVERIFY(picture.save(path, "PNG"));
}

// The state of an empty editor whose figure box shows figure.
static QStringList emptyState(const QString &figure)
{
    return QStringList{QString(), "|" + figure} + QStringList(3 * WorkWindow::SlotCount);
}

static const QStringList SaveQuestion = {"Salva", "Non salvare", "Annulla"};

class TestEditor : public QObject {
    Q_OBJECT

    std::optional<QTemporaryDir> tmp; // holds the program's folder and one for problem files
    std::optional<ProgramFolder::Override> program;
    std::optional<ScriptedDialogs> dialog;
    std::optional<MessageBox::Recording> boxes;
    QPointer<WorkWindow> f;
    EditorHandler *editor = nullptr;

    QString work(const QString &name) const { return tmp->filePath("work/" + name); }
    // The last file dialog shown: "open" or "save", its filter and the name it proposed.
    QString showing() const
    {
        const ScriptedFileDialog::Showing s = (*dialog)->showings().constLast();
        return (s.forSaving ? "save " : "open ") + s.nameFilter + " " + s.proposed;
    }
    // The last notice shown, and the questions asked, each as its buttons and its text.
    QString told() const
    {
        for (auto it = boxes->shown().crbegin(); it != boxes->shown().crend(); ++it)
            if (it->buttons.isEmpty())
                return it->text;
        return QString();
    }
    QStringList asked() const
    {
        QStringList questions;
        for (const MessageBox::Shown &box : boxes->shown())
            if (!box.buttons.isEmpty())
                questions << box.buttons.join('/') + ": " + box.text;
        return questions;
    }
    QString title() const { return f->windowHandle()->title(); }

    // A file dialog the click shows answers path; without one it is cancelled.
    void click(QWidget *control, const QString &path = QString())
    {
        if (!path.isEmpty())
            (*dialog)->answer(path);
        auto *text = qobject_cast<QPlainTextEdit *>(control);
        QTest::mouseClick(text ? text->viewport() : control, Qt::LeftButton);
    }
    // Every character comes as the text of a key, as an input method sends it.
    void type(QWidget *box, const QString &text)
    {
        click(box);
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    void chooseFormula(int number)
    {
        for (auto *tab : f->formulaPanel->findChildren<TabCaption *>())
            if (tab->text() == f->formulaPanel->caption(FormulaCatalogue::entry(number).tab))
                QTest::mouseClick(tab, Qt::LeftButton);
        QTest::mouseClick(f->picFormula(number), Qt::LeftButton);
    }
    // Acts separated by ";": "dK text" and "rK text" type into data or result
    // box K, "fK n" gives step K formula n.
    void fill(const QString &acts)
    {
        for (const QString &act : acts.split("; ", Qt::SkipEmptyParts)) {
            const int k = act.mid(1, 1).toInt();
            const QString rest = act.mid(3);
            if (act.startsWith('d')) {
                type(f->txtDati[k], rest);
            } else if (act.startsWith('r')) {
                type(f->txtRisultato[k], rest);
            } else {
                click(f->stepFormulaBoxes[k]);
                chooseFormula(rest.toInt());
            }
        }
    }
    // A problem a pupil can finish, with its figure. Enter in the text puts a
    // blank, and line breaks that come in with pasted text are saved as blanks.
    void compose(const QString &figure = QString())
    {
        const QString picture = figure.isEmpty() ? work("Disegno.gif") : figure;
        if (!QFile::exists(picture))
            makePicture(picture, Qt::cyan);
        type(f->txtTesto, "Un");
        QTest::keyClick(f->txtTesto, Qt::Key_Return);
        type(f->txtTesto, "rombo");
        QTest::keyClick(f->txtTesto, Qt::Key_Enter, Qt::KeypadModifier);
        QApplication::clipboard()->setText(QString::fromUtf8("di\u00A0lato\r\n6 cm."));
        QTest::keyClick(f->txtTesto, Qt::Key_V, Qt::ControlModifier);
        click(f->figureBox, picture);
        fill("d0 d = 6 cm; f0 29; r0 24 cm²");
    }
    static QByteArray composed()
    {
        return problemFile("Un rombo di\xA0lato 6 cm.", "Disegno.gif", {"d = 6 cm"}, {" 29 "},
                           {"24 cm\xB2"});
    }
    // Every control and global that makes up the problem; a formula box shows
    // "=" after its formula's number when it shows that formula's picture.
    QStringList state() const
    {
        const QImage figure = f->figureBox->picture().toImage();
        const QString colour = figure.isNull() ? QString() : figure.pixelColor(0, 0).name();
        const EditorProblem &problem = editor->draft().problem();
        QStringList state = {f->txtTesto->toPlainText(), problem.nomeFigura + "|" + colour};
        for (int i = 0; i < WorkWindow::SlotCount; ++i) {
            const std::optional<int> n = problem.formule[i];
            const PictureBox &b = *f->stepFormulaBoxes[i];
            const bool same = n && b.picture().toImage() == f->picFormula(*n)->picture().toImage();
            state << f->txtDati[i]->text() << f->txtRisultato[i]->text()
                  << (n ? QString::number(*n) : "") + (b.hasPicture() ? (same ? "=" : "?") : "");
        }
        return state;
    }
    QStringList tips() const
    {
        QStringList names;
        for (QWidget *w : f->findChildren<QWidget *>())
            if (!w->toolTip().isEmpty())
                names << w->objectName();
        return names;
    }

private slots:
    void initTestCase()
    {
        // The folder a dialog opens in is kept in the settings of the test, not the user's.
        QStandardPaths::setTestModeEnabled(true);
    }

    void init()
    {
        tmp.emplace();
        QVERIFY(QDir(tmp->path()).mkdir("program") && QDir(tmp->path()).mkdir("work"));
        makePicture(tmp->filePath("program/Clicca.gif"), Qt::yellow);
        program.emplace(tmp->filePath("program"));
        dialog.emplace();
        boxes.emplace();
        f = WorkWindow::load(WorkMode::Editor,
                             ModeHandlers{[this](WorkWindow &window) {
                                              auto made = std::make_unique<EditorHandler>(window);
                                              editor = made.get();
                                              return made;
                                          },
                                          nullptr});
        f->show();
        QApplication::setActiveWindow(f);
        QVERIFY(QTest::qWaitForWindowActive(f));
    }

    void cleanup()
    {
        delete f;
        boxes.reset();
        dialog.reset();
        program.reset();
    }

    void hintsComeOffByRow_data()
    {
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QString>("bareRows");
        QTest::newRow("text") << "txtTesto"
                              << "txtTesto";
        QTest::newRow("figure") << "Picture1"
                                << "Picture1";
        QTest::newRow("a datum") << "txtDati_7"
                                 << "txtDati";
        QTest::newRow("a formula box") << "picFormRis_4"
                                       << "picFormRis";
        QTest::newRow("two rows") << "txtRisultato_6 txtDati_1"
                                  << "txtRisultato txtDati";
        QTest::newRow("open, hints off") << "cmdApri_Editor"
                                         << "txtTesto Picture1 txtDati picFormRis txtRisultato";
    }

    void hintsComeOffByRow()
    {
        QFETCH(QString, clicked);
        QFETCH(QString, bareRows);
        const QStringList before = tips();
        QCOMPARE(before.size(), 26);
        for (const QString &name : clicked.split(' '))
            click(f->findChild<QWidget *>(name));
        QStringList expected = before;
        expected.removeIf(
            [&](const QString &n) { return bareRows.contains(n.section('_', 0, 0)); });
        QCOMPARE(tips(), expected);
    }

    void newProblemAndCancelledFigureDialog()
    {
        compose();
        click(f->cmdSalva, work("rombo.znv"));
        QCOMPARE(bytes(work("rombo.znv")), composed());
        click(f->stepFormulaBoxes[0]); // empties the filled box and keeps its step selected
        QCOMPARE(state().at(4), QString());
        const QStringList hints = tips();
        const int tab = f->formulaPanel->currentTab();
        QVERIFY(tab != 0);
        boxes->answer("Non salvare");
        click(f->cmdNuovo);
        QCOMPARE(asked(), QStringList{"Salva/Non salvare/Annulla: Le modifiche al problema "
                                      "«rombo.znv» non sono state salvate. Vuoi salvarle?"});
        QCOMPARE(state(), emptyState("#ffff00"));
        QVERIFY(f->stepSelectors[0]->isChecked());
        QCOMPARE(tips(), hints);
        QCOMPARE(f->formulaPanel->currentTab(), tab);
        boxes->answer("Salva lo stesso"); // a pupil could not even begin it
        click(f->cmdSalva, work("nuovo.znv"));
        QCOMPARE(showing(), "save Zenuvio (*.znv) ");
        QCOMPARE(bytes(work("nuovo.znv")), problemFile());

        compose();
        click(f->figureBox);
        QCOMPARE(showing(), "open Figura (*.gif) ");
        QCOMPARE(state().at(1), QStringLiteral("|"));
    }

    // Leaving a changed problem, or replacing it by another, asks first.
    void unsavedWork_data()
    {
        QTest::addColumn<QString>("act");    // nuovo, apri, file (by name), esci, cornice (frame)
        QTest::addColumn<bool>("changed");   // a datum typed after opening mio.znv
        QTest::addColumn<QString>("answer"); // to the question, and "!" to cancel the save dialog
        QTest::addColumn<bool>("goesOn");
        QTest::addColumn<bool>("saved");
        QTest::newRow("nuovo, nothing changed") << "nuovo" << false << "" << true << false;
        QTest::newRow("nuovo, saved") << "nuovo" << true << "Salva" << true << true;
        QTest::newRow("nuovo, save cancelled") << "nuovo" << true << "Salva!" << false << false;
        QTest::newRow("nuovo, not saved") << "nuovo" << true << "Non salvare" << true << false;
        QTest::newRow("nuovo, cancelled") << "nuovo" << true << "Annulla" << false << false;
        QTest::newRow("apri, saved") << "apri" << true << "Salva" << true << true;
        QTest::newRow("apri, cancelled") << "apri" << true << "Annulla" << false << false;
        QTest::newRow("by name, cancelled") << "file" << true << "Annulla" << false << false;
        QTest::newRow("esci, saved") << "esci" << true << "Salva" << true << true;
        QTest::newRow("esci, not saved") << "esci" << true << "Non salvare" << true << false;
        QTest::newRow("esci, cancelled") << "esci" << true << "Annulla" << false << false;
        QTest::newRow("frame, cancelled") << "cornice" << true << "Annulla" << false << false;
        QTest::newRow("frame, not saved") << "cornice" << true << "Non salvare" << true << false;
    }

    void unsavedWork()
    {
        QFETCH(QString, act);
        QFETCH(bool, changed);
        QFETCH(QString, answer);
        QFETCH(bool, goesOn);
        QFETCH(bool, saved);
        const QByteArray mine = problemFile("Mio", "", {"a"}, {" 1 "}, {"b"});
        putBytes(work("mio.znv"), mine);
        putBytes(work("altro.znv"), problemFile("Altro", "", {"c"}, {" 2 "}, {"d"}));
        click(f->cmdApri_Editor, work("mio.znv"));
        if (changed)
            type(f->txtDati[1], "x");
        if (!answer.isEmpty())
            boxes->answer(answer.section('!', 0, 0));
        if (answer.startsWith("Salva"))
            (*dialog)->answer(answer.endsWith('!') ? QString() : work("mio.znv"));
        if (act == "apri")
            (*dialog)->answer(work("altro.znv"));
        const int dialogsBefore = (*dialog)->showings().size();

        if (act == "nuovo")
            click(f->cmdNuovo);
        else if (act == "apri")
            click(f->cmdApri_Editor);
        else if (act == "file")
            f->openFile(work("altro.znv"));
        else if (act == "esci")
            click(f->cmdEsci_Editor);
        else
            f->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        const QString question = "Salva/Non salvare/Annulla: Le modifiche al problema «mio.znv» "
                                 "non sono state salvate. Vuoi salvarle?";
        QCOMPARE(asked(), changed ? QStringList{question} : QStringList());
        QCOMPARE(bytes(work("mio.znv")),
                 saved ? problemFile("Mio", "", {"a", "x"}, {" 1 "}, {"b"}) : mine);
        const bool leaving = act == "esci" || act == "cornice";
        QCOMPARE(f.isNull(), leaving && goesOn);
        if (leaving || !goesOn) {
            // The save dialog shows only for "Salva"; the open dialog only once settled.
            QCOMPARE((*dialog)->showings().size(), dialogsBefore + answer.startsWith("Salva"));
            if (!f.isNull())
                QCOMPARE(state().mid(0, 5), (QStringList{"Mio", "|", "a", "b", "1="}));
            QVERIFY(f.isNull() || f->txtDati[1]->text() == (changed ? "x" : ""));
            return;
        }
        QCOMPARE(f->txtTesto->toPlainText(), act == "nuovo" ? "" : "Altro");
        QCOMPARE(editor->file(), act == "nuovo" ? QString() : work("altro.znv"));
    }

    // The caption names the problem's file and marks unsaved changes.
    void captionShowsTheFileAndUnsavedChanges()
    {
        QCOMPARE(title(), "Zenuvio");
        type(f->txtDati[0], "5");
        QCOMPARE(title(), "Zenuvio*");
        QTest::keyClick(f->txtDati[0], Qt::Key_Backspace); // taken back
        QCOMPARE(title(), "Zenuvio");
        fill("d0 5 cm; f0 0; r0 25 cm²");
        click(f->cmdSalva, work("primo"));
        QCOMPARE(title(), "primo.znv - Zenuvio");
        click(f->stepFormulaBoxes[0]);
        QCOMPARE(title(), "primo.znv* - Zenuvio");
        putBytes(work("altro.znv"), problemFile("Altro", "", {"c"}, {" 2 "}, {"d"}));
        boxes->answer("Non salvare");
        click(f->cmdApri_Editor, work("altro.znv"));
        QCOMPARE(title(), "altro.znv - Zenuvio");
        QCOMPARE(boxes->shown().size(), 1);
    }

    void composeSaveReopenSaveIsByteIdentical()
    {
        chooseFormula(17);
        QCOMPARE(state(), emptyState("#ffff00")); // no step is selected yet
        makePicture(work("Trapezio.gif"), Qt::blue);
        type(f->txtTesto, "  Un trapezio \"rettangolo\", alto 4 cm: quanto è l'area?  ");
        click(f->figureBox, work("Trapezio.gif"));
        type(f->txtDati[0], "B = 12,5 cm");
        type(f->txtDati[3], " costo = 3 € ");
        for (const int step : {0, 1, 3}) {
            click(f->stepFormulaBoxes[step]);
            chooseFormula(5);
            chooseFormula(step * 46); // replaces 5 with 0, 46 or 138
        }
        type(f->txtRisultato[0], "\"41\" cm², circa");
        type(f->txtRisultato[3], " 7 m ");
        const QStringList composed = state();
        const QByteArray expected =
            problemFile("  Un trapezio \"rettangolo\", alto 4 cm: quanto \xE8 l'area?  ",
                        "Trapezio.gif", {"B = 12,5 cm", "", "", " costo = 3 \x80 "},
                        {" 0 ", " 46 ", "", " 138 "}, {"\"41\" cm\xB2, circa", "", "", " 7 m "});
        boxes->answer("Salva lo stesso"); // gaps a pupil never reaches
        click(f->cmdSalva, work("trapezio.znv"));

        click(f->cmdApri_Editor, work("trapezio.znv"));
        QCOMPARE(showing(), "open Zenuvio (*.znv) ");
        QCOMPARE(state(), composed); // the figure was found beside the problem file
        QCOMPARE(QApplication::focusWidget(), f->txtDati[0]);
        QVERIFY(tips().isEmpty() && f->stepSelectors[3]->isChecked() &&
                !f->stepSelectors[1]->isChecked());

        // Saved unchanged over another file, once the teacher says so.
        putBytes(work("copia.znv"), "vecchio");
        boxes->answer("Salva lo stesso");
        boxes->answer("Sostituisci");
        click(f->cmdSalva, work("copia.znv"));
        QCOMPARE(showing(), "save Zenuvio (*.znv) " + work("trapezio.znv"));
        QCOMPARE(bytes(work("copia.znv")), expected);

        // A cancelled save writes and changes nothing but the current folder.
        type(f->txtDati[5], "non salvato");
        QDir::setCurrent(work(""));
        boxes->answer("Salva lo stesso");
        click(f->cmdSalva);
        QCOMPARE(showing(), "save Zenuvio (*.znv) " + work("copia.znv"));
        QCOMPARE(bytes(work("copia.znv")), expected);
        QCOMPARE(QDir::currentPath(), QDir(tmp->filePath("program")).canonicalPath());
        QCOMPARE(told(), QString());
    }

    // The name typed in the save dialog: ".znv" is added when it has no
    // extension, and a file other than the problem's own is replaced only
    // once the teacher says so.
    void saveName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("answer"); // to the question about replacing a file
        QTest::addColumn<QString>("written");
        QTest::addColumn<bool>("asked");
        QTest::newRow("no extension") << "nuovo"
                                      << ""
                                      << "nuovo.znv" << false;
        QTest::newRow("its own file") << "mio.znv"
                                      << ""
                                      << "mio.znv" << false;
        QTest::newRow("its own file, no extension") << "mio"
                                                    << ""
                                                    << "mio.znv" << false;
        QTest::newRow("another file, replaced") << "altro.znv"
                                                << "Sostituisci"
                                                << "altro.znv" << true;
        QTest::newRow("another file, kept") << "altro"
                                            << "Annulla"
                                            << "" << true;
    }

    void saveName()
    {
        QFETCH(QString, typed);
        QFETCH(QString, answer);
        QFETCH(QString, written);
        QFETCH(bool, asked);
        const QByteArray mine = problemFile("Mio", "", {"a"}, {" 1 "}, {"b"});
        putBytes(work("mio.znv"), mine);
        putBytes(work("altro.znv"), "altro");
        click(f->cmdApri_Editor, work("mio.znv"));
        type(f->txtDati[1], "x");
        if (!answer.isEmpty())
            boxes->answer(answer);
        click(f->cmdSalva, work(typed));

        const QString question = "Sostituisci/Annulla: Il file «" + work("altro.znv") +
                                 "» esiste già. Vuoi sostituirlo con questo problema?";
        QCOMPARE(this->asked(), asked ? QStringList{question} : QStringList());
        const QByteArray changed = problemFile("Mio", "", {"a", "x"}, {" 1 "}, {"b"});
        QStringList files = {"altro.znv", "mio.znv"};
        if (!written.isEmpty() && !files.contains(written))
            files << written;
        files.sort();
        QCOMPARE(QDir(work("")).entryList(QDir::Files), files);
        for (const QString &file : files) {
            const QByteArray before = file == "mio.znv" ? mine : QByteArray("altro");
            QCOMPARE(bytes(work(file)), file == written ? changed : before);
        }
        QCOMPARE(editor->file(), work(written.isEmpty() ? "mio.znv" : written));
    }

    // What a pupil could never reach or finish is told before the save
    // dialog, and the teacher may go back or save it as it is.
    void unfinishableProblemIsToldFirst_data()
    {
        QTest::addColumn<QString>("acts");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("told");
        QTest::newRow("finishable") << "d0 5 cm; f0 0; r0 25 cm²"
                                    << ""
                                    << "";
        QTest::newRow("two faults, cancelled")
            << "d0 5 cm; d2 7 cm; f0 0; r0 25 cm²; f2 3; r2 x"
            << "Annulla"
            << "• il dato 3 viene dopo il dato 2, che è vuoto.\n• il passaggio 3 viene dopo "
               "il passaggio 2, che non ha il risultato.";
        QTest::newRow("a result without formula, saved all the same")
            << "d0 5 cm; f0 0; r0 25 cm²; r1 20 cm"
            << "Salva lo stesso"
            << "• il passaggio 2 ha il risultato ma non la formula.";
    }

    void unfinishableProblemIsToldFirst()
    {
        QFETCH(QString, acts);
        QFETCH(QString, answer);
        QFETCH(QString, told);
        fill(acts);
        if (!answer.isEmpty())
            boxes->answer(answer);
        click(f->cmdSalva, work("p.znv"));
        const QString question = "Salva lo stesso/Annulla: Un alunno non potrebbe arrivare in "
                                 "fondo a questo problema:\n\n" +
                                 told + "\n\nVuoi salvarlo lo stesso?";
        QCOMPARE(asked(), told.isEmpty() ? QStringList() : QStringList{question});
        const bool written = answer != "Annulla";
        QCOMPARE((*dialog)->showings().size(), written ? 1 : 0);
        QCOMPARE(QFile::exists(work("p.znv")), written);
    }

    void fileRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // null: no such file; "|": a pipe
        QTest::addColumn<QString>("typed");      // into the second data box, then saved; "": opened
        QTest::addColumn<QString>("why");
        const QByteArray shortFile = QByteArray("riga\r\n").repeated(12);
        const QByteArray badFormula = problemFile("T", "", {"a"}, {" 3 ", " 1 ", "dodici"}, {"b"});
        const QByteArray nul = problemFile("T", "", {QByteArray("a\0b", 3)}, {" 3 "}, {"b"});
        QTest::newRow("missing") << "assente.znv" << QByteArray() << QString() << "non esiste";
        QTest::newRow("short") << "corto.znv" << shortFile << QString() << "12 righe su 26";
        QTest::newRow("formula") << "formula.znv" << badFormula << QString() << "la riga 13";
        QTest::newRow("NUL") << "nul.znv" << nul << QString() << "la riga 3 contiene un carattere";
        QTest::newRow("a pipe") << "tubo.znv" << QByteArray("|") << QString()
                                << "non è un file normale";
        QTest::newRow("character") << "p.znv" << QByteArray("old") << QString("√16") << "«√»";
        QTest::newRow("no folder") << "no/p.znv" << QByteArray() << QString("5") << "non esiste";
        QTest::newRow("save to a pipe")
            << "tubo.znv" << QByteArray("|") << QString("5") << "non è un file normale";
    }

    // Refused with a message saying why; nothing is half read or half written,
    // and the problem on screen stays as it was.
    void fileRefused()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, typed);
        QFETCH(QString, why);
        if (content == "|")
            QCOMPARE(mkfifo(QFile::encodeName(work(name)).constData(), 0600), 0);
        else if (!content.isNull())
            putBytes(work(name), content);
        compose();
        type(f->txtDati[1], typed);
        const QStringList screen = state();
        const QStringList files = QDir(work("")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        boxes->answer(typed.isEmpty() ? "Non salvare" : "Sostituisci");
        click(typed.isEmpty() ? f->cmdApri_Editor : f->cmdSalva, work(name));
        QVERIFY2(told().contains(why), qPrintable(told()));
        QCOMPARE(boxes->shown().constLast().icon, MessageBox::Icon::Warning);
        QCOMPARE(state(), screen);
        QCOMPARE(QDir(work("")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), files);
        if (content != "|")
            QCOMPARE(bytes(work(name)), content.isNull() ? QByteArray("<none>") : content);
        // A refused file is not proposed, so a hasty save cannot overwrite it.
        click(f->cmdSalva);
        QCOMPARE(showing(), "save Zenuvio (*.znv) ");
    }

    void figureThatCannotBeShownKeepsItsName()
    {
        const QByteArray original =
            problemFile("Un rombo", "Rombo.gif", {"D = 8 cm"}, {" 29 "}, {"24 cm\xB2"});
        putBytes(work("rombo.znv"), original);
        for (const char *why : {"«Rombo.gif» non è stata trovata", "«Rombo.gif» non si può"}) {
            click(f->cmdApri_Editor, work("rombo.znv"));
            QCOMPARE(state().at(1), QStringLiteral("Rombo.gif|"));
            QVERIFY2(boxes->shown().size() == 1 && told().contains(why), qPrintable(told()));
            QCOMPARE(boxes->shown()[0].icon, MessageBox::Icon::Information);
            boxes->clear();
            // The rest of the problem is on screen, and saved again it still names its figure.
            click(f->cmdSalva, work("rombo.znv"));
            QCOMPARE(bytes(work("rombo.znv")), original);
            putBytes(tmp->filePath("program/Rombo.gif"), "not a picture");
        }
    }

    // A figure is taken only once it shows; one larger than the box is taken
    // with a notice.
    void figureChosen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("notice"); // "": taken without a word
        QTest::addColumn<bool>("taken");
        QTest::newRow("small") << "piccola.gif"
                               << "" << true;
        QTest::newRow("larger than the box")
            << "grande.gif"
            << "La figura «grande.gif» (400 × 300 punti) è più grande del riquadro della figura "
               "(%1): se ne vedrà solo la parte in alto a sinistra."
            << true;
        QTest::newRow("not a picture")
            << "testo.gif"
            << "Il file «%2» non è un'immagine che Zenuvio sappia mostrare: la figura non è stata "
               "inserita."
            << false;
        QTest::newRow("a huge picture claimed")
            << "enorme.gif"
            << "La figura non è stata inserita: il file «%2» contiene un'immagine troppo grande "
               "(più di 4 milioni di punti)."
            << false;
        QTest::newRow("a link to a pipe")
            << "collegamento.gif"
            << "La figura non è stata inserita: «%2» non è un file normale (è una cartella, un "
               "dispositivo o un altro file speciale)."
            << false;
    }

    void figureChosen()
    {
        QFETCH(QString, name);
        QFETCH(QString, notice);
        QFETCH(bool, taken);
        makePicture(work("piccola.gif"), Qt::cyan);
        makePicture(work("grande.gif"), Qt::cyan, {400, 300});
        putBytes(work("testo.gif"), "GIF89a, ma no");
        const QByteArray side("\x58\x1B", 2); // 7000 pixels, in a file of 29 bytes
        putBytes(work("enorme.gif"), "GIF89a" + side + side + QByteArray(3, 0) + "," +
                                         QByteArray(4, 0) + side + side +
                                         QByteArray("\0\2\2\x4C\x01\0;", 7));
        QCOMPARE(mkfifo(QFile::encodeName(work("tubo.gif")).constData(), 0600), 0);
        QVERIFY(QFile::link(work("tubo.gif"), work("collegamento.gif")));
        click(f->figureBox, work(name));
        const QSize inside = f->figureBox->size() - 2 * QSize(2, 2);
        notice.replace("%1", QString("%1 × %2").arg(inside.width()).arg(inside.height()))
            .replace("%2", work(name));
        QCOMPARE(told(), notice);
        if (!notice.isEmpty())
            QCOMPARE(boxes->shown()[0].icon,
                     taken ? MessageBox::Icon::Information : MessageBox::Icon::Warning);
        QCOMPARE(state().at(1), taken ? name + "|#00ffff" : "|");
    }

    // At a save the figure's picture travels with the problem, unless the
    // problem would find it from its new place already.
    void figureTravelsWithTheProblem_data()
    {
        QTest::addColumn<QString>("chosen");  // where the figure is chosen
        QTest::addColumn<QString>("present"); // a file Disegno.gif already there, and its colour
        QTest::addColumn<QString>("notice");
        QTest::newRow("copied beside the problem") << "immagini"
                                                   << ""
                                                   << "";
        QTest::newRow("beside it already") << "."
                                           << ""
                                           << "";
        QTest::newRow("the same in the program's folder") << "immagini"
                                                          << "program cyan"
                                                          << "";
        QTest::newRow("another picture of that name")
            << "immagini"
            << "work red"
            << "La figura «Disegno.gif» non è stata copiata accanto al problema: in «%1» c'è già "
               "un altro file con quel nome, e il problema mostrerà quello.";
    }

    void figureTravelsWithTheProblem()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, present);
        QFETCH(QString, notice);
        QVERIFY(QDir(work("")).mkdir("immagini"));
        const QString there = present.section(' ', 0, 0) == "work"
                                  ? work("Disegno.gif")
                                  : tmp->filePath("program/Disegno.gif");
        if (!present.isEmpty())
            makePicture(there, QColor(present.section(' ', 1)));
        const QString picture = work(chosen + "/Disegno.gif");
        compose(picture);
        click(f->cmdSalva, work("rombo.znv"));
        QCOMPARE(told(), notice.arg(there));
        const bool copied = chosen != "." && present.isEmpty();
        QCOMPARE(QFile::exists(work("Disegno.gif")), copied || chosen == "." || !notice.isEmpty());
        if (copied)
            QCOMPARE(bytes(work("Disegno.gif")), bytes(picture));

        // Opened, then saved in another folder: the figure found beside it comes along.
        QVERIFY(QDir(work("")).mkdir("altrove"));
        boxes->clear();
        click(f->cmdApri_Editor, work("rombo.znv"));
        click(f->cmdSalva, work("altrove/rombo.znv"));
        QCOMPARE(QFile::exists(work("altrove/Disegno.gif")), present != "program cyan");
    }
};

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
