// The work window in editor mode, driven through its real controls with
// scripted file dialogs and recorded message boxes: what the teacher sees as
// he composes, saves and opens a problem, and what he is asked or told.
#include "editorhandler.h"
#include "editornotices.h"
#include "formulacatalogue.h"
#include "formulapanel.h"
#include "keycheck.h"
#include "messagebox.h"
#include "programfolder.h"
#include "scriptedfiledialog.h"
#include "windowcontrols.h"
#include "worksheet.h"
#include "workwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTextEdit>
#include <QWindow>
#include <QtTest>

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

// The state of an empty editor whose figure box shows Clicca.gif.
static QStringList emptyState()
{
    return QStringList{QString(), "|#ffff00"} + QStringList(3 * WorkWindow::SlotCount);
}

class TestEditor : public QObject {
    Q_OBJECT

    std::optional<QTemporaryDir> tmp; // holds the program's folder and one for problem files
    std::optional<ProgramFolder::Override> program;
    std::optional<ScriptedDialogs> dialog;
    std::optional<MessageBox::Recording> boxes;
    QPointer<WorkWindow> f;
    EditorHandler *editor = nullptr;

    QString work(const QString &name) const { return tmp->filePath("work/" + name); }
    QString title() const { return f->windowHandle()->title(); }
    // The last file dialog shown: "open" or "save", its filter and the name it proposed.
    QString showing() const
    {
        const ScriptedFileDialog::Showing s = (*dialog)->showings().constLast();
        return (s.forSaving ? "save " : "open ") + s.nameFilter + " " + s.proposed;
    }
    // The message boxes shown: a question as its buttons and its text, a notice as its text.
    QStringList said() const
    {
        QStringList texts;
        for (const MessageBox::Shown &box : boxes->shown())
            texts << (box.buttons.isEmpty() ? "" : box.buttons.join('/') + ": ") + box.text;
        return texts;
    }

    // A file dialog the click shows answers path; without one it is cancelled.
    void click(QWidget *control, const QString &path = QString())
    {
        if (!path.isEmpty())
            (*dialog)->answer(path);
        auto *text = qobject_cast<QTextEdit *>(control);
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
        for (auto *tab : controlsOf(*f).formulaPanel->findChildren<TabCaption *>())
            if (tab->text() ==
                controlsOf(*f).formulaPanel->caption(FormulaCatalogue::entry(number).tab))
                QTest::mouseClick(tab, Qt::LeftButton);
        QTest::mouseClick(formulaPictureOf(*f, number), Qt::LeftButton);
    }
    // A problem a pupil can finish, with its figure. Enter in the text puts a
    // blank, and line breaks that come in with pasted text are saved as blanks.
    void compose(const QString &figure)
    {
        if (!QFile::exists(figure))
            makePicture(figure, Qt::cyan);
        type(controlsOf(*f).problemText, "Un");
        QTest::keyClick(controlsOf(*f).problemText, Qt::Key_Return);
        type(controlsOf(*f).problemText, "rombo");
        QTest::keyClick(controlsOf(*f).problemText, Qt::Key_Enter, Qt::KeypadModifier);
        QApplication::clipboard()->setText(QString::fromUtf8("di\u00A0lato\r\n6 cm."));
        QTest::keyClick(controlsOf(*f).problemText, Qt::Key_V, Qt::ControlModifier);
        click(controlsOf(*f).figureBox, figure);
        type(controlsOf(*f).dataBoxes[0], "8 cm");
        type(controlsOf(*f).dataBoxes[1], "6 cm");
        click(controlsOf(*f).stepFormulaBoxes[0]);
        chooseFormula(29);
        type(controlsOf(*f).resultBoxes[0], "24 cm²");
    }
    // Every control and global that makes up the problem; a formula box shows
    // "=" after its formula's number when it shows that formula's picture.
    QStringList state() const
    {
        const QImage figure = controlsOf(*f).figureBox->picture().toImage();
        const QString colour = figure.isNull() ? QString() : figure.pixelColor(0, 0).name();
        const Problem &problem = editor->draft().problem();
        QStringList state = {controlsOf(*f).problemText->toPlainText(),
                             problem.figureName + "|" + colour};
        for (int i = 0; i < WorkWindow::SlotCount; ++i) {
            const std::optional<int> n = problem.formulas[i];
            const PictureBox &b = *controlsOf(*f).stepFormulaBoxes[i];
            const bool same =
                n && b.picture().toImage() == formulaPictureOf(*f, *n)->picture().toImage();
            state << controlsOf(*f).dataBoxes[i]->text() << controlsOf(*f).resultBoxes[i]->text()
                  << (n ? QString::number(*n) : "") + (b.hasPicture() ? (same ? "=" : "?") : "");
        }
        return state;
    }
    // The boxes showing a hint; a box marked with a flaw of the key has the
    // flaw as tooltip and as description, and is no hint.
    QStringList tips() const
    {
        QStringList names;
        for (QWidget *w : f->findChildren<QWidget *>())
            if (!w->toolTip().isEmpty() && w->toolTip() != w->accessibleDescription())
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
        f = WorkWindow::load(WorkMode::Editor, ModeHandlers{[this](WorkWindow &window) {
                                                                auto made =
                                                                    std::make_unique<EditorHandler>(
                                                                        window.editorView());
                                                                editor = made.get();
                                                                return made;
                                                            },
                                                            nullptr});
        f->show();
        QApplication::setActiveWindow(f);
        QVERIFY(QTest::qWaitForWindowActive(f));
    }

    void cleanup() { delete f; }

    // A first click on a control takes the hints off its whole row; opening a
    // problem takes them all off.
    void hintsComeOffByRow_data()
    {
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QString>("bareRows");
        QTest::newRow("text") << "txtTesto" << QString("txtTesto");
        QTest::newRow("figure, a datum") << "Picture1 txtDati_7" << QString("Picture1 txtDati");
        QTest::newRow("a formula box, a result")
            << "picFormRis_4 txtRisultato_6" << QString("picFormRis txtRisultato");
        QTest::newRow("open") << "cmdApri_Editor"
                              << QString("txtTesto Picture1 txtDati picFormRis txtRisultato");
    }
    void hintsComeOffByRow()
    {
        QFETCH(QString, clicked);
        QFETCH(QString, bareRows);
        QStringList expected = tips();
        QCOMPARE(expected.size(), 26);
        for (const QString &name : clicked.split(' '))
            click(f->findChild<QWidget *>(name));
        expected.removeIf(
            [&](const QString &n) { return bareRows.contains(n.section('_', 0, 0)); });
        QCOMPARE(tips(), expected);
    }

    // "Nuovo" empties the problem and shows Clicca.gif in the figure box; the
    // selected step, the hints taken off and the panel's tab stay, and the next
    // save proposes no name.
    void newProblem()
    {
        compose(work("Disegno.gif"));
        click(controlsOf(*f).saveButton, work("rombo.znv"));
        QCOMPARE(bytes(work("rombo.znv")), problemFile("Un rombo di\xA0lato 6 cm.", "Disegno.gif",
                                                       {"8 cm", "6 cm"}, {" 29 "}, {"24 cm\xB2"}));
        click(controlsOf(*f)
                  .stepFormulaBoxes[0]); // empties the filled box and keeps its step selected
        QCOMPARE(state().at(4), QString());
        const QStringList hints = tips();
        const int tab = controlsOf(*f).formulaPanel->currentTab();
        QVERIFY(tab != 0);
        boxes->answer("Non salvare");
        click(controlsOf(*f).newButton);
        QCOMPARE(state(), emptyState());
        QVERIFY(controlsOf(*f).stepSelectors[0]->isChecked());
        QCOMPARE(tips(), hints);
        QCOMPARE(controlsOf(*f).formulaPanel->currentTab(), tab);
        boxes->answer("Salva lo stesso"); // a pupil could not even begin it
        click(controlsOf(*f).saveButton, work("nuovo.znv"));
        QCOMPARE(showing(), "save Zenuvio (*.znv) ");
        QCOMPARE(bytes(work("nuovo.znv")), problemFile());
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
        QTest::newRow("apri, cancelled") << "apri" << true << "Annulla" << false << false;
        QTest::newRow("by name, cancelled") << "file" << true << "Annulla" << false << false;
        QTest::newRow("esci, saved") << "esci" << true << "Salva" << true << true;
        QTest::newRow("frame, cancelled") << "cornice" << true << "Annulla" << false << false;
    }
    void unsavedWork()
    {
        QFETCH(QString, act);
        QFETCH(bool, changed);
        QFETCH(QString, answer);
        QFETCH(bool, goesOn);
        QFETCH(bool, saved);
        const QByteArray mine = problemFile("Mio", "", {"16 cm\xB2"}, {" 1 "}, {"4 cm"});
        putBytes(work("mio.znv"), mine);
        putBytes(work("altro.znv"), problemFile("Altro", "", {"c"}, {" 2 "}, {"d"}));
        click(controlsOf(*f).editorOpenButton, work("mio.znv"));
        if (changed)
            type(controlsOf(*f).dataBoxes[1], "x");
        if (!answer.isEmpty())
            boxes->answer(answer.section('!', 0, 0));
        // Typed without its extension, the problem's own file is saved over without a question.
        if (answer.startsWith("Salva"))
            (*dialog)->answer(answer.endsWith('!') ? QString() : work("mio"));
        if (act == "apri")
            (*dialog)->answer(work("altro.znv"));
        const int dialogsBefore = (*dialog)->showings().size();
        if (act == "nuovo")
            click(controlsOf(*f).newButton);
        else if (act == "apri")
            click(controlsOf(*f).editorOpenButton);
        else if (act == "file")
            f->openFile(work("altro.znv"));
        else if (act == "esci")
            click(controlsOf(*f).editorExitButton);
        else
            f->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QCOMPARE(said(), changed ? QStringList{"Salva/Non salvare/Annulla: Le modifiche al "
                                               "problema «mio.znv» non sono state salvate. "
                                               "Vuoi salvarle?"}
                                 : QStringList());
        QCOMPARE(bytes(work("mio.znv")),
                 saved ? problemFile("Mio", "", {"16 cm\xB2", "x"}, {" 1 "}, {"4 cm"}) : mine);
        QCOMPARE(QDir(work("")).entryList(QDir::Files), (QStringList{"altro.znv", "mio.znv"}));
        // The save dialog shows only for "Salva"; the open dialog only once settled.
        QCOMPARE((*dialog)->showings().size(), dialogsBefore + answer.startsWith("Salva"));
        QCOMPARE(f.isNull(), (act == "esci" || act == "cornice") && goesOn);
        if (f.isNull())
            return;
        if (goesOn)
            QCOMPARE(controlsOf(*f).problemText->toPlainText() + "|" + title(),
                     act == "nuovo" ? "|Zenuvio" : "Altro|altro.znv - Zenuvio");
        else
            QCOMPARE(state().mid(0, 6), (QStringList{"Mio", "|", "16 cm²", "4 cm", "1=", "x"}));
    }

    // Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z) go through the editor's history
    // wherever the focus is, text boxes included: a burst of typing is one
    // step, an emptied formula box comes back, and back at the problem as
    // opened the caption has no mark of unsaved changes.
    void undoWhereverTheFocusIs_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QKeySequence>("redo");
        const QKeySequence ctrlY(Qt::CTRL | Qt::Key_Y),
            ctrlShiftZ(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
        QTest::newRow("the text") << "txtTesto" << ctrlY;
        QTest::newRow("the box typed in") << "txtDati_0" << ctrlShiftZ;
        QTest::newRow("another box") << "txtRisultato_7" << ctrlY;
        QTest::newRow("the figure") << "Picture1" << ctrlShiftZ;
        QTest::newRow("a button") << "cmdSalva" << ctrlY;
    }
    void undoWhereverTheFocusIs()
    {
        QFETCH(QString, focus);
        QFETCH(QKeySequence, redo);
        putBytes(work("mio.znv"), problemFile("Mio", "", {"a"}, {" 29 "}, {"b"}));
        click(controlsOf(*f).editorOpenButton, work("mio.znv"));
        const QStringList opened = state();
        type(controlsOf(*f).dataBoxes[0], "bc");
        type(controlsOf(*f).problemText, "!");
        click(controlsOf(*f).stepFormulaBoxes[0]);
        const QStringList changed = state();
        QCOMPARE(changed.mid(2, 3), (QStringList{"abc", "b", ""}));
        f->findChild<QWidget *>(focus)->setFocus();
        auto press = [](const QKeySequence &keys) {
            QTest::keySequence(QApplication::focusWidget(), keys);
        };
        press(QKeySequence::Undo);
        QCOMPARE(state().at(4), "29=");
        QCOMPARE(title(), "mio.znv* - Zenuvio");
        press(QKeySequence::Undo);
        press(QKeySequence::Undo);
        QCOMPARE(state(), opened);
        QCOMPARE(title(), "mio.znv - Zenuvio");
        press(QKeySequence::Undo); // nothing before the opened problem
        QCOMPARE(state(), opened);
        for (int i = 0; i < 4; ++i)
            press(redo);
        QCOMPARE(state(), changed);
        QCOMPARE(title(), "mio.znv* - Zenuvio");
    }

    // A box that loses the focus ends its burst of typing: typed again later,
    // the box is undone one burst at a time.
    void typingEndsWithTheFocus()
    {
        type(controlsOf(*f).dataBoxes[2], "5");
        QTest::keyClick(controlsOf(*f).dataBoxes[2], Qt::Key_Tab);
        type(controlsOf(*f).dataBoxes[2], " cm");
        QTest::keySequence(controlsOf(*f).dataBoxes[2], QKeySequence::Undo);
        QCOMPARE(controlsOf(*f).dataBoxes[2]->text(), "5");
        QCOMPARE(title(), "Zenuvio*");
        QTest::keySequence(controlsOf(*f).dataBoxes[2], QKeySequence::Undo);
        QCOMPARE(controlsOf(*f).dataBoxes[2]->text(), "");
        QCOMPARE(title(), "Zenuvio");
    }

    // Opened, the panel shows the tab of the first step's formula; selecting a
    // step shows the tab of its formula, and a step without one leaves the tab.
    void formulaTabFollowsTheStep()
    {
        const int firstTab = FormulaCatalogue::entry(46).tab,
                  otherTab = FormulaCatalogue::entry(135).tab;
        QVERIFY(firstTab != 0 && otherTab != 0 && firstTab != otherTab);
        putBytes(work("passi.znv"),
                 problemFile("P", "", {"a"}, {"", " 46 ", "", " 135 "}, {"", "b", "", "c"}));
        click(controlsOf(*f).editorOpenButton, work("passi.znv"));
        QCOMPARE(controlsOf(*f).formulaPanel->currentTab(), firstTab);
        click(controlsOf(*f).stepSelectors[3]);
        QCOMPARE(controlsOf(*f).formulaPanel->currentTab(), otherTab);
        click(controlsOf(*f).stepSelectors[2]);
        QCOMPARE(controlsOf(*f).formulaPanel->currentTab(), otherTab);
        click(controlsOf(*f).stepFormulaBoxes[1]); // selects the step, then empties its box
        QCOMPARE(controlsOf(*f).formulaPanel->currentTab(), firstTab);
    }

    // Ctrl+P prints the sheet titled with the problem's name, and its page of
    // solutions names it, however the problem came: by name (the command line,
    // a drop), or through "Apri" and a save then cancelled.
    void printedSheetIsNamed_data()
    {
        QTest::addColumn<QString>("came");
        QTest::newRow("by name") << "file";
        QTest::newRow("a cancelled save") << "annullato";
    }
    void printedSheetIsNamed()
    {
        QFETCH(QString, came);
        putBytes(work("Aiuola.znv"), problemFile("Un'aiuola", "", {"l = 3 m"}, {" 0 "}, {"9 m²"}));
        if (came == "file") {
            f->openFile(work("Aiuola.znv"));
        } else {
            click(controlsOf(*f).editorOpenButton, work("Aiuola.znv"));
            click(controlsOf(*f).saveButton);
        }
        const QString pdf = work("scheda.pdf");
        Worksheet::ScriptedPrint toFile(pdf);
        QTest::keySequence(f, QKeySequence::Print);
        QCOMPARE(toFile.showings(), 1);
        QProcess info;
        info.start("pdfinfo", {pdf});
        QVERIFY(info.waitForFinished());
        QVERIFY2(info.readAllStandardOutput().contains("Title:           Aiuola\n"), "title");
        QProcess text;
        text.start("pdftotext", {"-f", "2", "-l", "2", pdf, "-"});
        QVERIFY(text.waitForFinished());
        QVERIFY(text.readAllStandardOutput().startsWith("Soluzioni: Aiuola"));
    }

    // Every example's text shows whole in its box at 100 %, question included;
    // a text that will need scrolling is told on the box (its tooltip, shown
    // at once, and its description), and the word goes once the text fits.
    void textFitsItsBox_data()
    {
        QTest::addColumn<QString>("example"); // or "*": a text typed too long, then shortened
        for (const char *name :
             {"Quadrato", "Rettangolo", "Parallelogramma", "Rombo", "TrapezioIsoscele",
              "TrapezioRettangolo", "TrapezioScaleno", "TrapezioPitagora", "TriangoloIsoscele",
              "TriangoloScaleno", "TriangoloRettangolo", "TriangoloEquilatero"})
            QTest::newRow(name) << name;
        QTest::newRow("typed too long") << "*";
    }
    void textFitsItsBox()
    {
        QFETCH(QString, example);
        if (example != "*") {
            f->openFile(ZENUVIO_SOURCE_DIR "/examples/" + example + ".znv");
            QVERIFY(!controlsOf(*f).problemText->toPlainText().isEmpty());
            QVERIFY2(!f->editorView().textNeedsScrolling(),
                     qPrintable(controlsOf(*f).problemText->toPlainText()));
            QCOMPARE(controlsOf(*f).problemText->verticalScrollBar()->maximum(), 0);
            QCOMPARE(controlsOf(*f).problemText->toolTip(), QString());
            return;
        }
        const QString line = "Un rettangolo ha la base di 12 cm e l'altezza di 5 cm. ";
        type(controlsOf(*f).problemText, line.repeated(3));
        QCOMPARE(controlsOf(*f).problemText->toolTip(),
                 QString()); // the hint came off with the click
        type(controlsOf(*f).problemText, line.repeated(2));
        QVERIFY(controlsOf(*f).problemText->verticalScrollBar()->maximum() > 0);
        QCOMPARE(controlsOf(*f).problemText->toolTip(), EditorNotices::Scrolling);
        QCOMPARE(controlsOf(*f).problemText->accessibleDescription(), EditorNotices::Scrolling);
        click(controlsOf(*f).problemText); // the hint's row comes off, the word stays
        QCOMPARE(controlsOf(*f).problemText->toolTip(), EditorNotices::Scrolling);
        QVERIFY(said().isEmpty()); // no message box
        QTest::keySequence(controlsOf(*f).problemText, QKeySequence::Undo);
        QCOMPARE(controlsOf(*f).problemText->toolTip(), QString());
    }

    // What a pupil could never reach or finish is told before the save dialog,
    // and the teacher may go back or save it as it is; another file is replaced
    // only once he says so. Saved, opened and saved again, the file keeps every
    // byte. The caption names the problem's file and marks unsaved changes.
    void composeSaveReopenSaveIsByteIdentical()
    {
        chooseFormula(17);
        QCOMPARE(state(), emptyState()); // no step is selected yet
        QCOMPARE(title(), "Zenuvio");
        makePicture(work("Trapezio.gif"), Qt::blue);
        type(controlsOf(*f).problemText,
             "  Un trapezio \"rettangolo\", alto 4 cm: quanto è l'area?  ");
        click(controlsOf(*f).figureBox, work("Trapezio.gif"));
        type(controlsOf(*f).dataBoxes[0], "B = 12,5 cm");
        type(controlsOf(*f).dataBoxes[3], " costo = 3 € ");
        for (const int step : {0, 1, 3}) {
            click(controlsOf(*f).stepFormulaBoxes[step]);
            chooseFormula(5);
            chooseFormula(step * 46); // replaces 5 with 0, 46 or 138
        }
        type(controlsOf(*f).resultBoxes[0], "\"41\" cm², circa");
        type(controlsOf(*f).resultBoxes[3], " 7 m ");
        const QStringList composed = state();
        QCOMPARE(title(), "Zenuvio*");
        boxes->answer("Annulla");
        click(controlsOf(*f).saveButton);
        QCOMPARE(said(), QStringList{"Salva lo stesso/Annulla: Un alunno non potrebbe arrivare "
                                     "in fondo a questo problema:\n\n"
                                     "• il dato 4 viene dopo il dato 2, che è vuoto.\n"
                                     "• il passaggio 2 ha la formula ma non il risultato.\n"
                                     "• il passaggio 4 viene dopo il passaggio 2, che non ha il "
                                     "risultato.\n\nNella soluzione qualcosa non torna, e un "
                                     "alunno che risponde giusto sarebbe giudicato «Errato»:\n\n"
                                     "• Il dato 4 ha uno spazio all'inizio o alla fine, che "
                                     "l'alunno non vede.\n"
                                     "• Il risultato del passaggio 1 non comincia con un numero.\n"
                                     "• Il risultato del passaggio 4 ha uno spazio all'inizio o "
                                     "alla fine, che l'alunno non vede.\n"
                                     "• Il passaggio 4 non torna: «AO = AC / 2» chiede misure che "
                                     "non sono tra i dati e i risultati precedenti.\n\n"
                                     "Vuoi salvarlo lo stesso?"});
        QCOMPARE(showing(), "open Figura (*.gif) "); // no save dialog
        boxes->answer("Salva lo stesso");
        click(controlsOf(*f).saveButton, work("trapezio"));
        QCOMPARE(title(), "trapezio.znv - Zenuvio");

        click(controlsOf(*f).editorOpenButton, work("trapezio.znv"));
        QCOMPARE(showing(), "open Zenuvio (*.znv) ");
        QCOMPARE(state(), composed); // the figure was found beside the problem file
        QCOMPARE(QApplication::focusWidget(), controlsOf(*f).dataBoxes[0]);
        QVERIFY(tips().isEmpty() && controlsOf(*f).stepSelectors[3]->isChecked() &&
                !controlsOf(*f).stepSelectors[1]->isChecked());
        // The key's flaws marked on their boxes, and only there.
        QStringList marked;
        for (QLineEdit *box : f->findChildren<QLineEdit *>())
            if (!box->accessibleDescription().isEmpty())
                marked << box->objectName() + ": " + box->toolTip().section(',', 0, 0);
        marked.sort();
        QCOMPARE(marked, (QStringList{"txtDati_3: Il dato 4 ha uno spazio all'inizio o alla fine",
                                      "txtRisultato_0: Il risultato del passaggio 1 non comincia "
                                      "con un numero.",
                                      "txtRisultato_3: Il risultato del passaggio 4 ha uno spazio "
                                      "all'inizio o alla fine"}));
        QCOMPARE(controlsOf(*f).dataBoxes[3]->palette().color(QPalette::Base),
                 QColor(0xff, 0xd8, 0xd8));
        const QString typed = controlsOf(*f).dataBoxes[3]->text();
        controlsOf(*f).dataBoxes[3]->setText(
            "3 cm"); // mended: the box looks as its neighbours again
        QCOMPARE(controlsOf(*f).dataBoxes[3]->palette().color(QPalette::Base),
                 controlsOf(*f).dataBoxes[0]->palette().color(QPalette::Base));
        QVERIFY(controlsOf(*f).dataBoxes[3]->toolTip().isEmpty() &&
                controlsOf(*f).dataBoxes[3]->accessibleDescription().isEmpty());
        controlsOf(*f).dataBoxes[3]->setText(typed);

        // Saved unchanged over another file, once the teacher says so.
        putBytes(work("copia.znv"), "vecchio");
        boxes->clear();
        for (const char *answer : {"Annulla", "Sostituisci"}) {
            QCOMPARE(bytes(work("copia.znv")), "vecchio");
            boxes->answer("Salva lo stesso");
            boxes->answer(answer);
            click(controlsOf(*f).saveButton, work("copia"));
        }
        QCOMPARE(said().constLast(), "Sostituisci/Annulla: Il file «" + work("copia.znv") +
                                         "» esiste già. Vuoi sostituirlo con questo problema?");
        QCOMPARE(showing(), "save Zenuvio (*.znv) " + work("trapezio.znv"));
        const QByteArray expected =
            problemFile("  Un trapezio \"rettangolo\", alto 4 cm: quanto \xE8 l'area?  ",
                        "Trapezio.gif", {"B = 12,5 cm", "", "", " costo = 3 \x80 "},
                        {" 0 ", " 46 ", "", " 138 "}, {"\"41\" cm\xB2, circa", "", "", " 7 m "});
        QCOMPARE(bytes(work("copia.znv")), expected);
        QCOMPARE(bytes(work("trapezio.znv")), expected);

        // A cancelled save writes and changes nothing but the current folder.
        type(controlsOf(*f).dataBoxes[5], "non salvato");
        QDir::setCurrent(work(""));
        boxes->answer("Salva lo stesso");
        click(controlsOf(*f).saveButton);
        QCOMPARE(title(), "copia.znv* - Zenuvio");
        QCOMPARE(showing(), "save Zenuvio (*.znv) " + work("copia.znv"));
        QCOMPARE(bytes(work("copia.znv")), expected);
        QCOMPARE(QDir::currentPath(), QDir(tmp->filePath("program")).canonicalPath());
    }

    // A file that cannot be opened or written is refused with a message saying
    // why; nothing is half read or half written, the problem on screen stays as
    // it was, and the refused file is not proposed at the next save.
    // F4 fills the selected step's result when its formula gives one value,
    // and otherwise says why and leaves the box as it was.
    void fillKey_data()
    {
        QTest::addColumn<QString>("data");
        QTest::addColumn<int>("formula"); // -1 for none
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("notice");
        QTest::newRow("one value") << "7,5 cm" << 0 << "56,25 cm²"
                                   << "";
        QTest::newRow("several values")
            << "12 cm|5 cm|3 cm" << 6 << ""
            << "La formula del passaggio 1 dà più risultati con questi dati («60 cm²», "
               "«36 cm²», «15 cm²»): scrivi tu quello giusto.";
        QTest::newRow("none") << "12 cm" << 6 << ""
                              << "La formula del passaggio 1 chiede misure che non sono tra i "
                                 "dati e i risultati precedenti.";
        QTest::newRow("no formula") << "12 cm" << -1 << ""
                                    << "Il passaggio 1 non ha ancora la formula.";
    }
    void fillKey()
    {
        QFETCH(QString, data);
        QFETCH(int, formula);
        QFETCH(QString, result);
        QFETCH(QString, notice);
        const QStringList list = data.split('|');
        for (int i = 0; i < list.size(); ++i)
            type(controlsOf(*f).dataBoxes[i], list[i]);
        click(controlsOf(*f).stepFormulaBoxes[0]);
        if (formula >= 0)
            chooseFormula(formula);
        QTest::keyClick(f, Qt::Key_F4);
        QCOMPARE(controlsOf(*f).resultBoxes[0]->text(), result);
        QCOMPARE(said(), notice.isEmpty() ? QStringList() : QStringList{notice});
    }

    // F5 puts new numbers into the problem on screen, an unsaved change whose
    // key still follows; a problem whose numbers are not in its text keeps
    // its numbers and hears why.
    void newNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("notice");
        QTest::newRow("numbers in the text") << "Base 12 cm e altezza 5 cm."
                                             << "";
        QTest::newRow("a datum not in the text")
            << "Base 12 cm."
            << "Nuovi numeri: Il numero del dato 2 (5) non compare nel testo: non so dove "
               "cambiarlo.";
    }
    void newNumbers()
    {
        QFETCH(QString, text);
        QFETCH(QString, notice);
        type(controlsOf(*f).problemText, text);
        type(controlsOf(*f).dataBoxes[0], "12 cm");
        type(controlsOf(*f).dataBoxes[1], "5 cm");
        click(controlsOf(*f).stepFormulaBoxes[0]);
        chooseFormula(6);
        type(controlsOf(*f).resultBoxes[0], "60 cm²");
        QTest::keyClick(f, Qt::Key_F5);
        QCOMPARE(said(), notice.isEmpty() ? QStringList() : QStringList{notice});
        const Problem &problem = editor->draft().problem();
        QCOMPARE(problem.data[0] == "12 cm", !notice.isEmpty());
        QCOMPARE(problem.text == text, !notice.isEmpty());
        QCOMPARE(controlsOf(*f).dataBoxes[1]->text(), problem.data[1]);
        QCOMPARE(controlsOf(*f).resultBoxes[0]->text(), problem.results[0]);
        QVERIFY(KeyCheck::check(problem).flaws.isEmpty());
        QVERIFY(title().contains('*'));
    }

    void fileRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("typed"); // into the second data box, then saved; "": opened
        QTest::addColumn<QString>("why");
        QTest::newRow("opened") << "corto.znv" << QByteArray("riga\r\n").repeated(12) << QString()
                                << "12 righe su 26";
        QTest::newRow("saved") << "p.znv" << QByteArray("old") << QString("√16") << "«√»";
    }
    void fileRefused()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, typed);
        QFETCH(QString, why);
        putBytes(work(name), content);
        compose(work("Disegno.gif"));
        type(controlsOf(*f).dataBoxes[1], typed);
        const QStringList screen = state();
        const QStringList files = QDir(work("")).entryList(QDir::Files);
        boxes->answer(typed.isEmpty() ? "Non salvare" : "Sostituisci");
        click(typed.isEmpty() ? controlsOf(*f).editorOpenButton : controlsOf(*f).saveButton,
              work(name));
        QVERIFY2(said().constLast().contains(why), qPrintable(said().constLast()));
        QCOMPARE(boxes->shown().constLast().icon, MessageBox::Icon::Warning);
        QCOMPARE(state(), screen);
        QCOMPARE(QDir(work("")).entryList(QDir::Files), files);
        QCOMPARE(bytes(work(name)), content);
        click(controlsOf(*f).saveButton);
        QCOMPARE(showing(), "save Zenuvio (*.znv) ");
    }

    // A figure is taken only once it shows; one larger than the box is taken
    // with a notice. A cancelled dialog leaves no figure.
    void figureChosen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("notice"); // "": none
        QTest::addColumn<bool>("taken");
        QTest::newRow("cancelled") << "" << QString() << false;
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
    }
    void figureChosen()
    {
        QFETCH(QString, name);
        QFETCH(QString, notice);
        QFETCH(bool, taken);
        makePicture(work("grande.gif"), Qt::cyan, {400, 300});
        putBytes(work("testo.gif"), "GIF89a, ma no");
        const QByteArray side("\x58\x1B", 2); // 7000 pixels, in a file of 29 bytes
        putBytes(work("enorme.gif"), "GIF89a" + side + side + QByteArray(3, 0) + "," +
                                         QByteArray(4, 0) + side + side +
                                         QByteArray("\0\2\2\x4C\x01\0;", 7));
        click(controlsOf(*f).figureBox, name.isEmpty() ? QString() : work(name));
        const QSize inside = controlsOf(*f).figureBox->size() - 2 * QSize(2, 2);
        notice.replace("%1", QString("%1 × %2").arg(inside.width()).arg(inside.height()))
            .replace("%2", work(name));
        QCOMPARE(said(), notice.isEmpty() ? QStringList() : QStringList{notice});
        if (!notice.isEmpty())
            QCOMPARE(boxes->shown()[0].icon,
                     taken ? MessageBox::Icon::Information : MessageBox::Icon::Warning);
        QCOMPARE(state().at(1), taken ? name + "|#00ffff" : "|");
    }

    // At a save the figure's picture travels with the problem; when the problem
    // would show another picture of that name, the teacher is told. Opened and
    // saved elsewhere, the problem takes along the picture it showed. A figure
    // that cannot be shown is told about, and saved again the problem still
    // names it.
    void figureTravelsWithTheProblem()
    {
        QVERIFY(QDir(work("")).mkdir("immagini") && QDir(work("")).mkdir("altrove"));
        makePicture(work("Disegno.gif"), Qt::red);
        compose(work("immagini/Disegno.gif"));
        click(controlsOf(*f).saveButton, work("rombo.znv"));
        QCOMPARE(said(), QStringList{"La figura «Disegno.gif» non è stata copiata accanto al "
                                     "problema: in «" +
                                     work("Disegno.gif") +
                                     "» c'è già un altro file con quel nome, e il problema "
                                     "mostrerà quello."});
        QCOMPARE(boxes->shown()[0].icon, MessageBox::Icon::Information);
        boxes->clear();
        click(controlsOf(*f).editorOpenButton, work("rombo.znv"));
        QCOMPARE(state().at(1), QStringLiteral("Disegno.gif|#ff0000"));
        click(controlsOf(*f).saveButton, work("altrove/rombo.znv"));
        QCOMPARE(bytes(work("altrove/Disegno.gif")), bytes(work("Disegno.gif")));
        QVERIFY(said().isEmpty());

        const QByteArray saved = bytes(work("altrove/rombo.znv"));
        QVERIFY(QFile::remove(work("altrove/Disegno.gif")));
        click(controlsOf(*f).editorOpenButton, work("altrove/rombo.znv"));
        QCOMPARE(state().at(1), QStringLiteral("Disegno.gif|"));
        QCOMPARE(said(), QStringList{"La figura «Disegno.gif» non è stata trovata né nella "
                                     "cartella del programma né accanto al file del problema: la "
                                     "figura non è mostrata. Il problema la indica ancora."});
        QCOMPARE(boxes->shown()[0].icon, MessageBox::Icon::Information);
        click(controlsOf(*f).saveButton, work("altrove/rombo.znv"));
        QCOMPARE(bytes(work("altrove/rombo.znv")), saved);
    }
};

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
