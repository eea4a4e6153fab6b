// The work window in editor mode, driven through its real controls with
// scripted file dialogs and recorded message boxes: what the teacher sees as
// he composes, saves and opens a problem, and what he is asked or told.
#include "editorhandler.h"
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
    for (const QByteArrayList *lines : {&data, &formulas, &results})
        for (int i = 0; i < WorkWindow::SlotCount; ++i)
            all += lines->value(i) + "\r\n";
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
    void init()
    {
        // The folder a dialog opens in is kept in the settings of the test, not the user's.
        QStandardPaths::setTestModeEnabled(true);
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

    // Leaving a changed problem, or replacing it by another, asks first; it
    // goes on once the changes are saved or given up.
    void unsavedWork_data()
    {
        QTest::addColumn<QString>("act");    // nuovo, esci, cornice (the window's frame)
        QTest::addColumn<QString>("answer"); // none: nothing changed; "!": save dialog cancelled
        const std::pair<const char *, const char *> rows[] = {{"nuovo", ""},
                                                              {"nuovo", "Salva!"},
                                                              {"nuovo", "Non salvare"},
                                                              {"esci", "Salva"},
                                                              {"cornice", "Annulla"}};
        for (const auto &[act, answer] : rows)
            QTest::addRow("%s %s", act, answer) << QString(act) << QString(answer);
    }
    void unsavedWork()
    {
        QFETCH(QString, act);
        QFETCH(QString, answer);
        const bool changed = !answer.isEmpty(), saved = answer == "Salva";
        const bool goesOn = !changed || saved || answer == "Non salvare";
        const QByteArray mine = problemFile("Mio", "", {"16 cm\xB2"}, {" 1 "}, {"4 cm"});
        putBytes(work("mio.znv"), mine);
        click(c.editorOpenButton, work("mio.znv"));
        if (changed)
            type(c.dataBoxes[1], "x");
        if (!answer.isEmpty())
            boxes->answer(answer.section('!', 0, 0));
        // Typed without its extension, the problem's own file is saved over without a question.
        if (answer.startsWith("Salva"))
            (*dialog)->answer(answer.endsWith('!') ? QString() : work("mio"));
        const int dialogsBefore = (*dialog)->showings().size();
        if (act == "cornice")
            f->close();
        else
            click(act == "nuovo" ? c.newButton : c.editorExitButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QCOMPARE(said(), changed ? QStringList{"[Salva]/Non salvare/Annulla: Le modifiche al "
                                               "problema «mio.znv» non sono state salvate. "
                                               "Vuoi salvarle?"}
                                 : QStringList());
        QCOMPARE(bytes(work("mio.znv")),
                 saved ? problemFile("Mio", "", {"16 cm\xB2", "x"}, {" 1 "}, {"4 cm"}) : mine);
        // The save dialog shows only for "Salva".
        QCOMPARE((*dialog)->showings().size(), dialogsBefore + answer.startsWith("Salva"));
        QCOMPARE(f.isNull(), (act == "esci" || act == "cornice") && goesOn);
        if (f.isNull())
            return;
        if (goesOn)
            QCOMPARE(c.problemText->toPlainText() + "|" + title(), "|Zenuvio");
        else
            QCOMPARE(state().mid(0, 6), (QStringList{"Mio", "|", "16 cm²", "4 cm", "1=", "x"}));
    }

    // Ctrl+Z and Ctrl+Y go through the editor's history wherever the focus is,
    // a text box included; an emptied formula box comes back, and back at the
    // problem as opened the caption has no mark of unsaved changes.
    void undoWhereverTheFocusIs()
    {
        putBytes(work("mio.znv"), problemFile("Mio", "", {"a"}, {" 29 "}, {"b"}));
        click(c.editorOpenButton, work("mio.znv"));
        const QStringList opened = state() << "mio.znv - Zenuvio";
        type(c.dataBoxes[0], "b");
        click(c.stepFormulaBoxes[0]);
        const QStringList changed = state() << "mio.znv* - Zenuvio";
        QCOMPARE(changed.mid(2, 3), (QStringList{"ab", "b", ""}));
        c.problemText->setFocus();
        QTest::keySequence(c.problemText, QKeySequence::Undo);
        QCOMPARE(state().mid(2, 3), (QStringList{"ab", "b", "29="}));
        for (int i = 0; i < 2; ++i) // the last finds nothing before the opened problem
            QTest::keySequence(c.problemText, QKeySequence::Undo);
        QCOMPARE(state() << title(), opened);
        for (int i = 0; i < 3; ++i)
            QTest::keySequence(c.problemText, QKeySequence(Qt::CTRL | Qt::Key_Y));
        QCOMPARE(state() << title(), changed);
    }

    // Ctrl+P prints the sheet titled with the problem's name, also when the
    // problem came by name (the command line, a drop) and not through a dialog.
    void printedSheetIsNamed()
    {
        putBytes(work("Aiuola.znv"), problemFile("Un'aiuola", "", {"l = 3 m"}, {" 0 "}, {"9 m²"}));
        f->openFile(work("Aiuola.znv"));
        const QString pdf = work("scheda.pdf");
        Worksheet::ScriptedPrint toFile(pdf);
        QTest::keySequence(f, QKeySequence::Print);
        QProcess info;
        info.start("pdfinfo", {pdf});
        QVERIFY(info.waitForFinished());
        QVERIFY2(info.readAllStandardOutput().contains("Title:           Aiuola\n"), "title");
    }

    // What a pupil could never reach or finish is told before the save dialog,
    // and the teacher may go back (Enter does) or save it as it is; each flaw
    // of the key is marked on its box. Another file is replaced only once he
    // says so. The file holds what the boxes show, blanks included, and Enter
    // or a pasted line break in the text is a blank. A first click on the text
    // takes its hint tooltip off, the data's stay.
    void flawedProblemSaved()
    {
        const QString dataHint = c.dataBoxes[0]->toolTip();
        QVERIFY(!c.problemText->toolTip().isEmpty() && !dataHint.isEmpty());
        type(c.problemText, "  Un");
        QCOMPARE(c.problemText->toolTip() + "|" + c.dataBoxes[0]->toolTip(), "|" + dataHint);
        QTest::keyClick(c.problemText, Qt::Key_Return);
        QApplication::clipboard()->setText(QString::fromUtf8("trapezio\r\nè\u00A0lungo 4 cm  "));
        QTest::keyClick(c.problemText, Qt::Key_V, Qt::ControlModifier);
        type(c.dataBoxes[0], "B = 12,5 cm");
        type(c.dataBoxes[3], " costo = 3 € ");
        for (const int step : {0, 1, 3})
            chooseFormula(step, step * 46); // 0, 46 and 138
        type(c.resultBoxes[0], "\"41\" cm², circa");
        type(c.resultBoxes[3], " 7 m ");
        QCOMPARE(title(), "Zenuvio*");
        boxes->answer("Annulla");
        click(c.saveButton);
        const QStringList paragraphs = said().value(0).split("\n\n");
        QCOMPARE(paragraphs.size(), 5);
        QCOMPARE(paragraphs[0] + paragraphs[2] + paragraphs[4],
                 "Salva lo stesso/[Annulla]: Un alunno non potrebbe arrivare in fondo a questo "
                 "problema:Nella soluzione qualcosa non torna, e un alunno che risponde giusto "
                 "sarebbe giudicato «Errato»:Vuoi salvarlo lo stesso?");
        QCOMPARE((*dialog)->showings().size(), 0);
        QStringList marked;
        for (QLineEdit *box : f->findChildren<QLineEdit *>())
            if (!box->accessibleDescription().isEmpty())
                marked << box->objectName();
        marked.sort();
        QCOMPARE(marked, (QStringList{"txtDati_3", "txtRisultato_0", "txtRisultato_3"}));

        putBytes(work("copia.znv"), "vecchio");
        for (const char *answer : {"Annulla", "Sostituisci"}) {
            QCOMPARE(bytes(work("copia.znv")), "vecchio");
            boxes->answer("Salva lo stesso");
            boxes->answer(answer);
            click(c.saveButton, work("copia"));
        }
        QCOMPARE(said().constLast(), "Sostituisci/[Annulla]: Il file «" + work("copia.znv") +
                                         "» esiste già. Vuoi sostituirlo con questo problema?");
        QCOMPARE(title(), "copia.znv - Zenuvio");
        QCOMPARE(bytes(work("copia.znv")), problemFile("  Un trapezio \xE8\xA0lungo 4 cm  ", "",
                                                       {"B = 12,5 cm", "", "", " costo = 3 \x80 "},
                                                       {" 0 ", " 46 ", "", " 138 "},
                                                       {"\"41\" cm\xB2, circa", "", "", " 7 m "}));
    }

    // F4 fills the selected step's result when its formula gives one value,
    // and otherwise says why and leaves the box as it was.
    void fillKey_data()
    {
        QTest::addColumn<QString>("data");
        QTest::addColumn<int>("formula");   // -1 for none
        QTest::addColumn<QString>("shown"); // the result filled in, or the notice
        QTest::newRow("one value") << "7,5 cm" << 0 << "56,25 cm²";
        QTest::newRow("several values")
            << "12 cm|5 cm|3 cm" << 6
            << "La formula del passaggio 1 dà più risultati con questi dati («60 cm²», "
               "«36 cm²», «15 cm²»): scrivi tu quello giusto.";
        QTest::newRow("none") << "12 cm" << 6
                              << "La formula del passaggio 1 chiede misure che non sono tra i "
                                 "dati e i risultati precedenti.";
        QTest::newRow("no formula") << "12 cm" << -1 << "Il passaggio 1 non ha ancora la formula.";
    }
    void fillKey()
    {
        QFETCH(QString, data);
        QFETCH(int, formula);
        QFETCH(QString, shown);
        const QStringList list = data.split('|');
        for (int i = 0; i < list.size(); ++i)
            type(c.dataBoxes[i], list[i]);
        if (formula >= 0)
            chooseFormula(0, formula);
        else
            click(c.stepFormulaBoxes[0]);
        QTest::keyClick(f, Qt::Key_F4);
        QCOMPARE(c.resultBoxes[0]->text() + said().join('|'), shown);
    }

    // A file that cannot be opened, written or shown as the figure is refused
    // with a message saying why; nothing is half read or half written, the
    // problem on screen stays as it was but for a refused figure, and the
    // refused file is not proposed at the next save.
    void fileRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("why");
        QTest::newRow("opened") << "corto.znv" << QByteArray("riga\r\n").repeated(12)
                                << "12 righe su 26";
        QTest::newRow("saved") << "p.znv" << QByteArray("old") << "«√»";
        QTest::newRow("figure") << "testo.gif" << QByteArray("GIF89a, ma no")
                                << "» non è un'immagine che Zenuvio sappia mostrare: la figura "
                                   "non è stata inserita.";
    }
    void fileRefused()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, why);
        const QString act = QTest::currentDataTag();
        putBytes(work(name), content);
        makePicture(work("Disegno.gif"), Qt::cyan);
        click(c.figureBox, work("Disegno.gif"));
        type(c.dataBoxes[0], act == "saved" ? "√16" : "8 cm");
        QStringList screen = state();
        if (act == "figure")
            screen[1] = "|";
        const QStringList files = QDir(work("")).entryList(QDir::Files);
        // Leaving the problem on screen, or saving it unfinished over the file.
        boxes->answer(act == "opened" ? "Non salvare" : "Salva lo stesso");
        boxes->answer("Sostituisci");
        click(act == "opened"  ? c.editorOpenButton
              : act == "saved" ? static_cast<QWidget *>(c.saveButton)
                               : c.figureBox,
              work(name));
        QVERIFY2(said().constLast().contains(why), qPrintable(said().constLast()));
        QCOMPARE(state(), screen);
        QCOMPARE(QDir(work("")).entryList(QDir::Files), files);
        QCOMPARE(bytes(work(name)), content);
        click(c.saveButton);
        QCOMPARE((*dialog)->showings().constLast().proposed, QString());
    }

    // Opened and saved elsewhere, the problem takes along the picture it
    // showed. A figure that cannot be shown is told about, and saved again the
    // problem still names it.
    void figureTravelsWithTheProblem()
    {
        QVERIFY(QDir(work("")).mkdir("altrove"));
        makePicture(work("Disegno.gif"), Qt::red);
        const QByteArray rombo =
            problemFile("Un rombo", "Disegno.gif", {"8 cm", "6 cm"}, {" 29 "}, {"24 cm\xB2"});
        putBytes(work("rombo.znv"), rombo);
        click(c.editorOpenButton, work("rombo.znv"));
        QCOMPARE(state().at(1), "Disegno.gif|#ff0000");
        click(c.saveButton, work("altrove/rombo.znv"));
        QCOMPARE(bytes(work("altrove/Disegno.gif")), bytes(work("Disegno.gif")));
        QVERIFY(QFile::remove(work("altrove/Disegno.gif")));
        click(c.editorOpenButton, work("altrove/rombo.znv"));
        QCOMPARE(state().at(1), "Disegno.gif|");
        QCOMPARE(said(), QStringList{"La figura «Disegno.gif» non è stata trovata né nella "
                                     "cartella del programma né accanto al file del problema: la "
                                     "figura non è mostrata. Il problema la indica ancora."});
        click(c.saveButton, work("altrove/rombo.znv"));
        QCOMPARE(bytes(work("altrove/rombo.znv")), rombo);
    }
};

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
