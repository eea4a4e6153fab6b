// The work window in editor mode, driven through its real controls with
// scripted file dialogs and recorded message boxes: what the teacher sees as
// he composes, saves and opens a problem, and what he is asked or told.
#include "editorhandler.h"
#include "editornotices.h"
#include "formulacatalogue.h"
#include "messagebox.h"
#include "programfolder.h"
#include "scriptedfiledialog.h"
#include "windowcontrols.h"
#include "worksheet.h"
#include "workwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QPointer>
#include <QStandardPaths>
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
static QByteArray problemFile(const QByteArray &text = {}, const QByteArray &figure = {},
                              const QByteArrayList &data = {}, const QByteArrayList &formulas = {},
                              const QByteArrayList &results = {})
{
    QByteArray all = text + "\r\n" + figure + "\r\n";
    for (const QByteArrayList *part : {&data, &formulas, &results})
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

class TestEditor : public QObject {
    Q_OBJECT

    std::optional<QTemporaryDir> tmp; // holds the program's folder and one for problem files
    std::optional<ProgramFolder::Override> program;
    std::optional<ScriptedDialogs> dialog;
    std::optional<MessageBox::Recording> boxes;
    QPointer<WorkWindow> f;
    WorkWindowControls c;
    EditorHandler *editor = nullptr;

    QString work(const QString &name) const { return tmp->filePath("work/" + name); }
    QString title() const { return f->windowHandle()->title(); }
    // The last file dialog shown: "open" or "save", its filter and the name it proposed.
    QString showing() const
    {
        const ScriptedFileDialog::Showing s = (*dialog)->showings().constLast();
        return (s.forSaving ? "save " : "open ") + s.nameFilter + " " + s.proposed;
    }
    // The message boxes shown: a notice as its text, a question as its buttons
    // (the one Enter chooses in brackets) and its text.
    QStringList said() const
    {
        QStringList texts;
        for (MessageBox::Shown box : boxes->shown()) {
            if (!box.buttons.isEmpty())
                box.buttons[box.defaultButton] = "[" + box.buttons[box.defaultButton] + "]";
            texts << (box.buttons.isEmpty() ? "" : box.buttons.join('/') + ": ") + box.text;
        }
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
    // Formula `number` of the panel, through its tab, for the step whose box was clicked.
    void chooseFormula(int step, int number)
    {
        click(c.stepFormulaBoxes[step]);
        for (auto *tab : c.formulaPanel->findChildren<TabCaption *>())
            if (tab->text() == c.formulaPanel->caption(FormulaCatalogue::entry(number).tab))
                QTest::mouseClick(tab, Qt::LeftButton);
        QTest::mouseClick(formulaPictureOf(*f, number), Qt::LeftButton);
    }
    // A problem a pupil can finish, with its figure. Enter in the text puts a
    // blank, and line breaks that come in with pasted text are saved as blanks.
    void compose(const QString &figure)
    {
        if (!QFile::exists(figure))
            makePicture(figure, Qt::cyan);
        type(c.problemText, "Un");
        QTest::keyClick(c.problemText, Qt::Key_Return);
        type(c.problemText, "rombo");
        QTest::keyClick(c.problemText, Qt::Key_Enter, Qt::KeypadModifier);
        QApplication::clipboard()->setText(QString::fromUtf8("di\u00A0lato\r\n6 cm."));
        QTest::keyClick(c.problemText, Qt::Key_V, Qt::ControlModifier);
        click(c.figureBox, figure);
        type(c.dataBoxes[0], "8 cm");
        type(c.dataBoxes[1], "6 cm");
        chooseFormula(0, 29);
        type(c.resultBoxes[0], "24 cm²");
    }
    // Every control and global that makes up the problem; a formula box shows
    // "=" after its formula's number when it shows that formula's picture.
    QStringList state() const
    {
        const QImage figure = c.figureBox->picture().toImage();
        const Problem &problem = editor->draft().problem();
        QStringList state = {c.problemText->toPlainText(),
                             problem.figureName + "|" +
                                 (figure.isNull() ? QString() : figure.pixelColor(0, 0).name())};
        for (int i = 0; i < WorkWindow::SlotCount; ++i) {
            const std::optional<int> n = problem.formulas[i];
            const PictureBox &b = *c.stepFormulaBoxes[i];
            const bool same =
                n && b.picture().toImage() == formulaPictureOf(*f, *n)->picture().toImage();
            state << c.dataBoxes[i]->text() << c.resultBoxes[i]->text()
                  << (n ? QString::number(*n) : "") + (b.hasPicture() ? (same ? "=" : "?") : "");
        }
        return state;
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
        const auto makeEditor = [this](WorkWindow &window) {
            auto made = std::make_unique<EditorHandler>(window.editorView());
            editor = made.get();
            return made;
        };
        f = WorkWindow::load(WorkMode::Editor, ModeHandlers{makeEditor, nullptr});
        c = controlsOf(*f);
        f->show();
        QApplication::setActiveWindow(f);
        QVERIFY(QTest::qWaitForWindowActive(f));
    }

    void cleanup() { delete f; }

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
        click(c.editorOpenButton, work("mio.znv"));
        if (changed)
            type(c.dataBoxes[1], "x");
        if (!answer.isEmpty())
            boxes->answer(answer.section('!', 0, 0));
        // Typed without its extension, the problem's own file is saved over without a question.
        if (answer.startsWith("Salva"))
            (*dialog)->answer(answer.endsWith('!') ? QString() : work("mio"));
        if (act == "apri")
            (*dialog)->answer(work("altro.znv"));
        const int dialogsBefore = (*dialog)->showings().size();
        if (act == "file")
            f->openFile(work("altro.znv"));
        else if (act == "cornice")
            f->close();
        else
            click(act == "nuovo"  ? c.newButton
                  : act == "apri" ? c.editorOpenButton
                                  : c.editorExitButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QCOMPARE(said(), changed ? QStringList{"[Salva]/Non salvare/Annulla: Le modifiche al "
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
            QCOMPARE(c.problemText->toPlainText() + "|" + title(),
                     act == "nuovo" ? "|Zenuvio" : "Altro|altro.znv - Zenuvio");
        else
            QCOMPARE(state().mid(0, 6), (QStringList{"Mio", "|", "16 cm²", "4 cm", "1=", "x"}));
    }

    // Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z) go through the editor's history
    // wherever the focus is, text boxes included; an emptied formula box comes
    // back, and back at the problem as opened the caption has no mark of
    // unsaved changes. A box that loses the focus ends its burst of typing.
    void undoWhereverTheFocusIs()
    {
        putBytes(work("mio.znv"), problemFile("Mio", "", {"a"}, {" 29 "}, {"b"}));
        click(c.editorOpenButton, work("mio.znv"));
        const QStringList opened = state();
        type(c.dataBoxes[0], "b");
        QTest::keyClick(c.dataBoxes[0], Qt::Key_Tab);
        type(c.dataBoxes[0], "c");
        click(c.stepFormulaBoxes[0]);
        const QStringList changed = state();
        QCOMPARE(changed.mid(2, 3), (QStringList{"abc", "b", ""}));
        const auto press = [](const QKeySequence &keys, int times) {
            for (int i = 0; i < times; ++i)
                QTest::keySequence(QApplication::focusWidget(), keys);
        };
        for (const auto &[focus, redo] :
             {std::pair{"txtTesto", QKeySequence(Qt::CTRL | Qt::Key_Y)},
              std::pair{"cmdSalva", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}}) {
            f->findChild<QWidget *>(focus)->setFocus();
            press(QKeySequence::Undo, 2);
            QCOMPARE(state().mid(2, 3) + QStringList{title()},
                     (QStringList{"ab", "b", "29=", "mio.znv* - Zenuvio"}));
            press(QKeySequence::Undo, 2); // the last one finds nothing before the opened problem
            QCOMPARE(state(), opened);
            QCOMPARE(title(), "mio.znv - Zenuvio");
            press(redo, 3);
            QCOMPARE(state(), changed);
            QCOMPARE(title(), "mio.znv* - Zenuvio");
        }
    }

    // Ctrl+P prints the sheet titled with the problem's name, and its page of
    // solutions names it, also when the problem came by name (the command
    // line, a drop) and not through a dialog.
    void printedSheetIsNamed()
    {
        putBytes(work("Aiuola.znv"), problemFile("Un'aiuola", "", {"l = 3 m"}, {" 0 "}, {"9 m²"}));
        f->openFile(work("Aiuola.znv"));
        const QString pdf = work("scheda.pdf");
        Worksheet::ScriptedPrint toFile(pdf);
        QTest::keySequence(f, QKeySequence::Print);
        QCOMPARE(toFile.showings(), 1);
        QProcess info;
        info.start("pdfinfo", {pdf});
        QVERIFY(info.waitForFinished());
        QVERIFY2(info.readAllStandardOutput().contains("Title:           Aiuola\n"), "title");
        info.start("pdftotext", {"-f", "2", "-l", "2", pdf, "-"});
        QVERIFY(info.waitForFinished());
        QVERIFY(info.readAllStandardOutput().startsWith("Soluzioni: Aiuola"));
    }

    // A first click on the text takes its hint tooltip off, the data's stay. A
    // text too long for its box is told as its tooltip until it fits again.
    // A chosen file that is not a picture is refused with a notice.
    void noticesOnTheBoxes()
    {
        const QString dataHint = c.dataBoxes[0]->toolTip();
        QVERIFY(!c.problemText->toolTip().isEmpty() && !dataHint.isEmpty());
        type(c.problemText, "Un rettangolo ha la base di 12 cm e l'altezza di 5 cm. ");
        QCOMPARE(c.problemText->toolTip() + "|" + c.dataBoxes[0]->toolTip(), "|" + dataHint);
        type(c.problemText, QString("Quanto misura l'area del rettangolo? ").repeated(5));
        QCOMPARE(c.problemText->toolTip(), EditorNotices::Scrolling);
        QTest::keySequence(c.problemText, QKeySequence::Undo);
        QCOMPARE(c.problemText->toolTip(), QString());
        putBytes(work("testo.gif"), "GIF89a, ma no");
        click(c.figureBox, work("testo.gif"));
        QCOMPARE(said(), QStringList{"Il file «" + QDir::toNativeSeparators(work("testo.gif")) +
                                     "» non è un'immagine che Zenuvio sappia mostrare: la figura "
                                     "non è stata inserita."});
        QCOMPARE(state().at(1), "|");
    }

    // What a pupil could never reach or finish is told before the save dialog,
    // and the teacher may go back (Enter does) or save it as it is; another
    // file is replaced only once he says so. Saved, opened and saved again, the
    // file keeps every byte. The caption names the problem's file and marks
    // unsaved changes.
    void composeSaveReopenSaveIsByteIdentical()
    {
        QCOMPARE(title(), "Zenuvio");
        makePicture(work("Trapezio.gif"), Qt::blue);
        type(c.problemText, "  Un trapezio \"rettangolo\", alto 4 cm: quanto è l'area?  ");
        click(c.figureBox, work("Trapezio.gif"));
        type(c.dataBoxes[0], "B = 12,5 cm");
        type(c.dataBoxes[3], " costo = 3 € ");
        for (const int step : {0, 1, 3}) {
            chooseFormula(step, 5);
            chooseFormula(step, step * 46); // 0, 46 or 138 in place of 5
        }
        type(c.resultBoxes[0], "\"41\" cm², circa");
        type(c.resultBoxes[3], " 7 m ");
        const QStringList composed = state();
        QCOMPARE(title(), "Zenuvio*");
        boxes->answer("Annulla");
        click(c.saveButton);
        // The sentences come from the problem's checks: three of what a pupil
        // could never reach or finish, then four of the key.
        const QStringList parts = said().value(0).split("\n\n");
        QCOMPARE(parts.size(), 5);
        QCOMPARE(parts[0] + parts[2] + parts[4],
                 "Salva lo stesso/[Annulla]: Un alunno non potrebbe arrivare in fondo a questo "
                 "problema:Nella soluzione qualcosa non torna, e un alunno che risponde giusto "
                 "sarebbe giudicato «Errato»:Vuoi salvarlo lo stesso?");
        QCOMPARE(parts[1].count("• "), 3);
        QCOMPARE(parts[3].count("• "), 4);
        QCOMPARE(showing(), "open Figura (*.gif) "); // no save dialog
        boxes->answer("Salva lo stesso");
        click(c.saveButton, work("trapezio"));
        QCOMPARE(title(), "trapezio.znv - Zenuvio");

        click(c.editorOpenButton, work("trapezio.znv"));
        QCOMPARE(showing(), "open Zenuvio (*.znv) ");
        QCOMPARE(state(), composed); // the figure was found beside the problem file
        // The key's flaws are marked on their boxes, and only there.
        QStringList marked;
        for (QLineEdit *box : f->findChildren<QLineEdit *>())
            if (!box->accessibleDescription().isEmpty())
                marked << box->objectName();
        marked.sort();
        QCOMPARE(marked, (QStringList{"txtDati_3", "txtRisultato_0", "txtRisultato_3"}));

        // Saved unchanged over another file, once the teacher says so.
        putBytes(work("copia.znv"), "vecchio");
        boxes->clear();
        for (const char *answer : {"Annulla", "Sostituisci"}) {
            QCOMPARE(bytes(work("copia.znv")), "vecchio");
            boxes->answer("Salva lo stesso");
            boxes->answer(answer);
            click(c.saveButton, work("copia"));
        }
        QCOMPARE(said().constLast(), "Sostituisci/[Annulla]: Il file «" + work("copia.znv") +
                                         "» esiste già. Vuoi sostituirlo con questo problema?");
        QCOMPARE(showing(), "save Zenuvio (*.znv) " + work("trapezio.znv"));
        const QByteArray expected =
            problemFile("  Un trapezio \"rettangolo\", alto 4 cm: quanto \xE8 l'area?  ",
                        "Trapezio.gif", {"B = 12,5 cm", "", "", " costo = 3 \x80 "},
                        {" 0 ", " 46 ", "", " 138 "}, {"\"41\" cm\xB2, circa", "", "", " 7 m "});
        QCOMPARE(bytes(work("copia.znv")), expected);
        QCOMPARE(bytes(work("trapezio.znv")), expected);

        // A cancelled save writes and changes nothing but the current folder.
        type(c.dataBoxes[5], "non salvato");
        QDir::setCurrent(work(""));
        boxes->answer("Salva lo stesso");
        click(c.saveButton);
        QCOMPARE(title(), "copia.znv* - Zenuvio");
        QCOMPARE(showing(), "save Zenuvio (*.znv) " + work("copia.znv"));
        QCOMPARE(bytes(work("copia.znv")), expected);
        QCOMPARE(QDir::currentPath(), QDir(tmp->filePath("program")).canonicalPath());
    }

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
            type(c.dataBoxes[i], list[i]);
        if (formula >= 0)
            chooseFormula(0, formula);
        else
            click(c.stepFormulaBoxes[0]);
        QTest::keyClick(f, Qt::Key_F4);
        QCOMPARE(c.resultBoxes[0]->text(), result);
        QCOMPARE(said(), notice.isEmpty() ? QStringList() : QStringList{notice});
    }

    // A file that cannot be opened or written is refused with a message saying
    // why; nothing is half read or half written, the problem on screen stays as
    // it was, and the refused file is not proposed at the next save.
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
        type(c.dataBoxes[1], typed);
        const QStringList screen = state();
        const QStringList files = QDir(work("")).entryList(QDir::Files);
        boxes->answer(typed.isEmpty() ? "Non salvare" : "Sostituisci");
        click(typed.isEmpty() ? c.editorOpenButton : c.saveButton, work(name));
        QVERIFY2(said().constLast().contains(why), qPrintable(said().constLast()));
        QCOMPARE(boxes->shown().constLast().icon, MessageBox::Icon::Warning);
        QCOMPARE(state(), screen);
        QCOMPARE(QDir(work("")).entryList(QDir::Files), files);
        QCOMPARE(bytes(work(name)), content);
        click(c.saveButton);
        QCOMPARE(showing(), "save Zenuvio (*.znv) ");
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
        click(c.saveButton, work("rombo.znv"));
        QCOMPARE(bytes(work("rombo.znv")), problemFile("Un rombo di\xA0lato 6 cm.", "Disegno.gif",
                                                       {"8 cm", "6 cm"}, {" 29 "}, {"24 cm\xB2"}));
        QCOMPARE(said(), QStringList{"La figura «Disegno.gif» non è stata copiata accanto al "
                                     "problema: in «" +
                                     work("Disegno.gif") +
                                     "» c'è già un altro file con quel nome, e il problema "
                                     "mostrerà quello."});
        boxes->clear();
        click(c.editorOpenButton, work("rombo.znv"));
        QCOMPARE(state().at(1), "Disegno.gif|#ff0000");
        click(c.saveButton, work("altrove/rombo.znv"));
        QCOMPARE(bytes(work("altrove/Disegno.gif")), bytes(work("Disegno.gif")));
        QVERIFY(said().isEmpty());

        const QByteArray saved = bytes(work("altrove/rombo.znv"));
        QVERIFY(QFile::remove(work("altrove/Disegno.gif")));
        click(c.editorOpenButton, work("altrove/rombo.znv"));
        QCOMPARE(state().at(1), "Disegno.gif|");
        QCOMPARE(said(), QStringList{"La figura «Disegno.gif» non è stata trovata né nella "
                                     "cartella del programma né accanto al file del problema: la "
                                     "figura non è mostrata. Il problema la indica ancora."});
        click(c.saveButton, work("altrove/rombo.znv"));
        QCOMPARE(bytes(work("altrove/rombo.znv")), saved);
    }
};

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
