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
#include <QPushButton>
#include <QRadioButton>
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
static void makePicture(const QString &path, const QColor &colour)
{
    QImage picture(24, 16, QImage::Format_RGB32);
    picture.fill(colour);
    QVERIFY(picture.save(path, "PNG"));
}

// The state of an empty editor whose figure box shows figure.
static QStringList emptyState(const QString &figure)
{
    return QStringList{QString(), "|" + figure} + QStringList(3 * WorkWindow::SlotCount);
}

class TestEditor : public QObject {
    Q_OBJECT

    std::optional<QTemporaryDir> tmp; // holds the program's folder and one for problem files
    std::optional<ProgramFolder::Override> program;
    std::optional<ScriptedDialogs> dialog;
    std::optional<MessageBox::Recording> boxes;
    WorkWindow *f = nullptr;
    EditorHandler *editor = nullptr;

    QString work(const QString &name) const { return tmp->filePath("work/" + name); }
    // The last file dialog shown: "open" or "save", its filter and the name it proposed.
    QString showing() const
    {
        const ScriptedFileDialog::Showing s = (*dialog)->showings().constLast();
        return (s.forSaving ? "save " : "open ") + s.nameFilter + " " + s.proposed;
    }
    QString told() const { return boxes->shown().value(0).text; }

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
    // A little of everything, with its figure beside the problem files. The
    // text is kept on one line: Enter does not break it, and line breaks that
    // come in with pasted text are saved as blanks.
    void compose()
    {
        makePicture(work("Disegno.gif"), Qt::cyan);
        type(f->txtTesto, "Un rombo");
        QTest::keyClick(f->txtTesto, Qt::Key_Return);
        QTest::keyClick(f->txtTesto, Qt::Key_Enter, Qt::KeypadModifier);
        QApplication::clipboard()->setText(QString::fromUtf8(" di\u00A0lato\r\n6 cm."));
        QTest::keyClick(f->txtTesto, Qt::Key_V, Qt::ControlModifier);
        click(f->figureBox, work("Disegno.gif"));
        type(f->txtDati[1], "d = 6 cm");
        click(f->stepFormulaBoxes[0]);
        chooseFormula(29);
        type(f->txtRisultato[0], "24 cm²");
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

    void newProblemAndCancelledDialogsLeaveEmptyBoxes()
    {
        compose();
        click(f->cmdSalva, work("rombo.znv"));
        QCOMPARE(bytes(work("rombo.znv")), problemFile("Un rombo di\xA0lato 6 cm.", "Disegno.gif",
                                                       {"", "d = 6 cm"}, {" 29 "}, {"24 cm\xB2"}));
        click(f->stepFormulaBoxes[0]); // empties the filled box and keeps its step selected
        QCOMPARE(state().at(4), QString());
        const QStringList hints = tips();
        const int tab = f->formulaPanel->currentTab();
        QVERIFY(tab != 0);
        click(f->cmdNuovo);
        QCOMPARE(state(), emptyState("#ffff00"));
        QVERIFY(f->stepSelectors[0]->isChecked());
        QCOMPARE(tips(), hints);
        QCOMPARE(f->formulaPanel->currentTab(), tab);
        click(f->cmdSalva, work("nuovo.znv"));
        QCOMPARE(showing(), "save Zenuvio (*.znv) ");
        QCOMPARE(bytes(work("nuovo.znv")), problemFile());

        compose();
        click(f->figureBox);
        QCOMPARE(showing(), "open Figura (*.gif) ");
        QCOMPARE(state().at(1), QStringLiteral("|"));
        click(f->figureBox, work("rombo.znv")); // not a picture: told, and not named
        QVERIFY2(state().at(1) == "|" && told().contains("rombo.znv"), qPrintable(told()));
        click(f->cmdApri_Editor);
        QCOMPARE(showing(), "open Zenuvio (*.znv) ");
        QCOMPARE(state(), emptyState(""));
        QVERIFY(tips().isEmpty());
        click(f->cmdSalva, work("vuoto.znv"));
        QCOMPARE(showing(), "save Zenuvio (*.znv) ");
        QCOMPARE(bytes(work("vuoto.znv")), problemFile());
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
        click(f->cmdSalva, work("trapezio.znv"));

        click(f->cmdApri_Editor, work("trapezio.znv"));
        QCOMPARE(showing(), "open Zenuvio (*.znv) ");
        QCOMPARE(state(), composed); // the figure was found beside the problem file
        QCOMPARE(QApplication::focusWidget(), f->txtDati[0]);
        QVERIFY(tips().isEmpty() && f->stepSelectors[3]->isChecked() &&
                !f->stepSelectors[1]->isChecked());

        // Saved unchanged over another file, without a question.
        putBytes(work("copia.znv"), "vecchio");
        click(f->cmdSalva, work("copia.znv"));
        QCOMPARE(showing(), "save Zenuvio (*.znv) " + work("trapezio.znv"));
        QCOMPARE(bytes(work("copia.znv")), expected);

        // A cancelled save writes and changes nothing but the current folder.
        type(f->txtDati[5], "non salvato");
        QDir::setCurrent(work(""));
        click(f->cmdSalva);
        QCOMPARE(showing(), "save Zenuvio (*.znv) " + work("copia.znv"));
        QCOMPARE(bytes(work("copia.znv")), expected);
        QCOMPARE(QDir::currentPath(), QDir(tmp->filePath("program")).canonicalPath());
        QVERIFY(boxes->shown().isEmpty());
    }

    void fileRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // null: no such file
        QTest::addColumn<QString>("typed");      // into the third data box, then saved; "": opened
        QTest::addColumn<QString>("why");
        const QByteArray shortFile = QByteArray("riga\r\n").repeated(12);
        const QByteArray badFormula = problemFile("T", "", {"a"}, {" 3 ", " 1 ", "dodici"}, {"b"});
        QTest::newRow("missing") << "assente.znv" << QByteArray() << QString() << "non esiste";
        QTest::newRow("short") << "corto.znv" << shortFile << QString() << "12 righe su 26";
        QTest::newRow("formula") << "formula.znv" << badFormula << QString() << "la riga 13";
        QTest::newRow("character") << "p.znv" << QByteArray("old") << QString("√16") << "«√»";
        QTest::newRow("no folder") << "no/p.znv" << QByteArray() << QString("5") << "non esiste";
    }

    // Refused with a message saying why; nothing is half read or half written.
    void fileRefused()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, typed);
        QFETCH(QString, why);
        if (!content.isNull())
            putBytes(work(name), content);
        compose();
        type(f->txtDati[2], typed);
        const QStringList screen = state();
        const QStringList files = QDir(work("")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        click(typed.isEmpty() ? f->cmdApri_Editor : f->cmdSalva, work(name));
        QVERIFY2(boxes->shown().size() == 1 && told().contains(why), qPrintable(told()));
        QCOMPARE(state(), typed.isEmpty() ? emptyState("") : screen);
        QCOMPARE(QDir(work("")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), files);
        QCOMPARE(bytes(work(name)), content.isNull() ? QByteArray("<none>") : content);
        // A refused file is not proposed, so a hasty save cannot overwrite it.
        click(f->cmdSalva);
        QVERIFY(!typed.isEmpty() || showing() == "save Zenuvio (*.znv) ");
    }

    void figureThatCannotBeShownKeepsItsName()
    {
        const QByteArray original = problemFile("Un rombo", "Rombo.gif", {"D = 8 cm"}, {" 29 "});
        putBytes(work("rombo.znv"), original);
        for (const char *why : {"«Rombo.gif» non è stata trovata", "«Rombo.gif» non si può"}) {
            click(f->cmdApri_Editor, work("rombo.znv"));
            QCOMPARE(state().at(1), QStringLiteral("Rombo.gif|"));
            QVERIFY2(boxes->shown().size() == 1 && told().contains(why), qPrintable(told()));
            boxes->clear();
            // The rest of the problem is on screen, and saved again it still names its figure.
            click(f->cmdSalva, work("rombo.znv"));
            QCOMPARE(bytes(work("rombo.znv")), original);
            putBytes(tmp->filePath("program/Rombo.gif"), "not a picture");
        }
    }
};

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
