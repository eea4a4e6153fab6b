// Saving and reopening problems in editor mode, and what the editor does when
// a file, a figure or a character does not fit.
#include "editortestbench.h"
#include "form2.h"
#include "module1.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

// The 26 lines of a problem: text, figure, data, formulas, results.
QByteArrayList problemLines(const QByteArray &testo, const QByteArray &figura,
                            const QByteArrayList &dati, const QByteArrayList &formule,
                            const QByteArrayList &risultati)
{
    QByteArrayList lines = {testo, figura};
    for (const QByteArrayList *part : {&dati, &formule, &risultati})
        for (int i = 0; i < Form2::SlotCount; ++i)
            lines << part->value(i);
    return lines;
}

QStringList emptyProblemState(const QString &figurePicture)
{
    QStringList state = {QStringLiteral("testo: "), QStringLiteral("figura: , ") + figurePicture};
    for (int i = 0; i < Form2::SlotCount; ++i)
        state << QStringLiteral("dato %1: ").arg(i)
              << QStringLiteral("formula %1: nessuna, vuota").arg(i)
              << QStringLiteral("risultato %1: ").arg(i);
    return state;
}

// Fills a little of everything, so that a test can see it go or stay.
void composeSomething(EditorTestBench &bench)
{
    Form2 &f = bench.form();
    const QString figure = bench.workPath("Disegno.gif");
    EditorTestBench::makePicture(figure, Qt::cyan);
    bench.type(f.txtTesto, "Un rombo.");
    bench.clickAnswering(f.Picture1, figure);
    bench.type(f.txtDati[1], "d = 6 cm");
    bench.click(f.picFormRis[0]);
    bench.chooseFormula(29);
    bench.type(f.txtRisultato[0], "24 cm²");
}

} // namespace

class TestEditorFiles : public QObject {
    Q_OBJECT

private slots:
    void composeSaveReopenSaveIsByteIdentical();
    void openThenSaveUnchanged_data();
    void openThenSaveUnchanged();
    void openCancelledLeavesAnEmptyEditor();
    void openRefused_data();
    void openRefused();
    void figureOnOpen_data();
    void figureOnOpen();
    void saveRefused_data();
    void saveRefused();
    void saveReplacesWithoutAskingAndCancelWritesNothing();
};

void TestEditorFiles::composeSaveReopenSaveIsByteIdentical()
{
    EditorTestBench bench;
    Form2 &f = bench.form();
    EditorTestBench::makePicture(QDir(bench.programFolder()).filePath("Trapezio.gif"), Qt::blue);

    bench.type(f.txtTesto, "  Un trapezio \"rettangolo\", alto 4 cm: quanto è l'area?  ");
    bench.clickAnswering(f.Picture1, QDir(bench.programFolder()).filePath("Trapezio.gif"));
    bench.type(f.txtDati[0], "B = 12,5 cm");
    bench.type(f.txtDati[1], " b = 8 cm ");
    bench.type(f.txtDati[3], "costo = 3 €");
    bench.click(f.picFormRis[0]);
    bench.chooseFormula(0);
    bench.click(f.picFormRis[1]);
    bench.chooseFormula(17);
    bench.click(f.picFormRis[3]);
    bench.chooseFormula(138);
    bench.type(f.txtRisultato[0], "\"41\" cm², circa");
    bench.type(f.txtRisultato[3], " 7 m ");
    const QStringList composed = bench.problemState();

    const QString first = bench.workPath("trapezio.znv");
    bench.clickAnswering(f.cmdSalva, first);
    const QByteArray expected = EditorTestBench::crlfLines(
        problemLines("  Un trapezio \"rettangolo\", alto 4 cm: quanto \xE8 l'area?  ",
                     "Trapezio.gif", {"B = 12,5 cm", " b = 8 cm ", "", "costo = 3 \x80"},
                     {" 0 ", " 17 ", "", " 138 "}, {"\"41\" cm\xB2, circa", "", "", " 7 m "}));
    QCOMPARE(EditorTestBench::bytes(first), expected);

    bench.click(f.cmdNuovo);
    Module1::Contatore = 5;
    bench.clickAnswering(f.cmdApri_Editor, first);
    const ScriptedFileDialog::Showing opening = bench.dialog().showings().constLast();
    QVERIFY(!opening.forSaving);
    QCOMPARE(opening.proposed, QString());
    QCOMPARE(opening.nameFilter, QStringLiteral("Zenuvio (*.znv)"));
    QCOMPARE(bench.problemState(), composed);
    QVERIFY(f.picFormRis[3]->picture().toImage() == f.picFormula(138)->picture().toImage());
    QCOMPARE(Module1::Dati[3], QStringLiteral("costo = 3 €"));
    QCOMPARE(Module1::Risultati[0], QStringLiteral("\"41\" cm², circa"));
    QCOMPARE(Module1::Contatore, 0);
    QCOMPARE(QApplication::focusWidget(), f.txtDati[0]);
    QVERIFY(bench.tooltipped().isEmpty());
    QVERIFY(f.Option1[3]->isChecked());

    const QString second = bench.workPath("copia.znv");
    bench.clickAnswering(f.cmdSalva, second);
    QCOMPARE(bench.dialog().showings().constLast().proposed, first);
    QCOMPARE(EditorTestBench::bytes(second), expected);
    QVERIFY(bench.takeMessages().isEmpty());
}

void TestEditorFiles::openThenSaveUnchanged_data()
{
    QTest::addColumn<QByteArrayList>("lines");

    QTest::newRow("everything empty") << QByteArrayList(26);
    QTest::newRow("no figure, formula 0, gaps")
        << problemLines("Un quadrato", "", {"l = 5 cm", "", "x"}, {"", " 0 ", "", " 3 "},
                        {"", "25 cm\xB2", "", "20 cm"});
    QTest::newRow("quotes commas blanks") << problemLines(
        "\"Citato\", poi , virgole ,", "", {"  a,b  ", "\"\""}, {" 138 "}, {" , ", "\"x\", \"y\""});
    QTest::newRow("no-break space, tab and typographic signs")
        << problemLines("Un\xA0rettangolo \x93largo\x94 \x85 \x96", "",
                        {"\x80\xA0"
                         "5",
                         "a\tb"},
                        {" 7 "}, {"\x91sic\x92"});
}

void TestEditorFiles::openThenSaveUnchanged()
{
    QFETCH(QByteArrayList, lines);

    EditorTestBench bench;
    const QString path = bench.workPath("problema.znv");
    const QByteArray original = EditorTestBench::crlfLines(lines);
    EditorTestBench::putBytes(path, original);

    bench.clickAnswering(bench.form().cmdApri_Editor, path);
    bench.clickAnswering(bench.form().cmdSalva, path);
    QCOMPARE(bench.dialog().showings().constLast().proposed, path);
    QCOMPARE(EditorTestBench::bytes(path), original);
    QVERIFY(bench.takeMessages().isEmpty());
}

void TestEditorFiles::openCancelledLeavesAnEmptyEditor()
{
    EditorTestBench bench;
    Form2 &f = bench.form();
    composeSomething(bench);
    bench.clickAnswering(f.cmdSalva, bench.workPath("rombo.znv"));

    bench.clickAnswering(f.cmdApri_Editor, QString());

    QCOMPARE(bench.dialog().showings().constLast().proposed, QString());
    QCOMPARE(bench.problemState(), emptyProblemState("nessuna immagine"));
    QVERIFY(bench.tooltipped().isEmpty());
    const QString path = bench.workPath("vuoto.znv");
    bench.clickAnswering(f.cmdSalva, path);
    QCOMPARE(bench.dialog().showings().constLast().proposed, QString());
    QCOMPARE(EditorTestBench::bytes(path), EditorTestBench::crlfLines(QByteArrayList(26)));
}

void TestEditorFiles::openRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content"); // a null array makes no file
    QTest::addColumn<QString>("problem");

    QByteArrayList badFormula = problemLines("Testo", "", {"a"}, {" 3 ", " 1 ", "dodici"}, {"b"});
    QTest::newRow("missing file") << "assente.znv" << QByteArray() << "non esiste";
    QTest::newRow("short file") << "corto.znv"
                                << EditorTestBench::crlfLines(QByteArrayList(12, "riga"))
                                << "ha solo 12 righe su 26";
    QTest::newRow("bad formula line")
        << "formula.znv" << EditorTestBench::crlfLines(badFormula) << "la riga 13";
    QTest::newRow("a folder") << "cartella.znv" << QByteArray("<folder>") << "è una cartella";
}

void TestEditorFiles::openRefused()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, problem);

    EditorTestBench bench;
    Form2 &f = bench.form();
    const QString path = bench.workPath(name);
    if (content == "<folder>")
        QVERIFY(QDir().mkdir(path));
    else if (!content.isNull())
        EditorTestBench::putBytes(path, content);
    composeSomething(bench);
    Module1::Dati.fill(QStringLiteral("letto prima"));

    bench.clickAnswering(f.cmdApri_Editor, path);

    const QStringList messages = bench.takeMessages();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().contains(name) && messages.first().contains(problem),
             qPrintable(messages.first()));
    QCOMPARE(bench.problemState(), emptyProblemState("nessuna immagine"));
    QCOMPARE(Module1::Dati[0], QStringLiteral("letto prima"));

    // The refused file is not proposed, so a hasty save cannot overwrite it.
    bench.clickAnswering(f.cmdSalva, QString());
    QCOMPARE(bench.dialog().showings().constLast().proposed, QString());
    if (!content.isNull() && content != "<folder>")
        QCOMPARE(EditorTestBench::bytes(path), content);

    // The editor is still usable.
    bench.type(f.txtDati[0], "ancora qui");
    const QString other = bench.workPath("altro.znv");
    bench.clickAnswering(f.cmdSalva, other);
    QVERIFY(EditorTestBench::bytes(other).contains("\r\n\r\nancora qui\r\n"));
}

void TestEditorFiles::figureOnOpen_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("inProgramFolder");
    QTest::addColumn<bool>("besideProblem");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<QColor>("shown");
    QTest::addColumn<QString>("notice"); // a text the notice holds; "" for no notice

    const QColor blue(0, 0, 255);
    const QColor green(0, 255, 0);
    QTest::newRow("in the program folder") << "Rombo.gif" << true << false << true << blue << "";
    QTest::newRow("beside the problem file") << "Rombo.gif" << false << true << true << green << "";
    QTest::newRow("program folder first") << "Rombo.gif" << true << true << true << blue << "";
    QTest::newRow("missing") << "Rombo.gif" << false << false << true << QColor()
                             << "«Rombo.gif» non è stata trovata";
    QTest::newRow("not a picture")
        << "Rombo.gif" << true << false << false << QColor() << "«Rombo.gif» non si può mostrare";
    QTest::newRow("name with a folder")
        << "../Rombo.gif" << false << false << true << QColor() << "«../Rombo.gif»";
}

void TestEditorFiles::figureOnOpen()
{
    QFETCH(QString, name);
    QFETCH(bool, inProgramFolder);
    QFETCH(bool, besideProblem);
    QFETCH(bool, readable);
    QFETCH(QColor, shown);
    QFETCH(QString, notice);

    EditorTestBench bench;
    Form2 &f = bench.form();
    const QString inProgram = QDir(bench.programFolder()).filePath("Rombo.gif");
    if (inProgramFolder && readable)
        EditorTestBench::makePicture(inProgram, Qt::blue);
    else if (inProgramFolder)
        EditorTestBench::putBytes(inProgram, "not a picture");
    if (besideProblem)
        EditorTestBench::makePicture(bench.workPath("Rombo.gif"), Qt::green);
    const QString path = bench.workPath("rombo.znv");
    const QByteArray original = EditorTestBench::crlfLines(
        problemLines("Un rombo", name.toLatin1(), {"D = 8 cm"}, {" 29 "}, {"24 cm\xB2"}));
    EditorTestBench::putBytes(path, original);

    bench.clickAnswering(f.cmdApri_Editor, path);

    QCOMPARE(EditorTestBench::shownColour(*f.Picture1), shown);
    QCOMPARE(Module1::NomeFigura, name);
    QCOMPARE(f.txtDati[0]->text(), QStringLiteral("D = 8 cm"));
    QCOMPARE(Module1::FormuleEditor[0], std::optional<int>(29));
    const QStringList messages = bench.takeMessages();
    QCOMPARE(messages.size(), notice.isEmpty() ? 0 : 1);
    if (!notice.isEmpty())
        QVERIFY2(messages.first().contains(notice), qPrintable(messages.first()));

    // Saved again, the problem still names its figure.
    bench.clickAnswering(f.cmdSalva, path);
    QCOMPARE(EditorTestBench::bytes(path), original);
}

void TestEditorFiles::saveRefused_data()
{
    QTest::addColumn<QString>("target"); // relative to the folder for problem files
    QTest::addColumn<QString>("box");    // the control typed into
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("told");

    QTest::newRow("character outside the code page in a datum")
        << "problema.znv"
        << "txtDati_2"
        << "√16 = 4" << QStringList{"problema.znv", "«√»", "dato 3"};
    QTest::newRow("characters outside the code page in the text")
        << "problema.znv"
        << "txtTesto"
        << "Δ e ω" << QStringList{"«Δ» «ω»", "testo"};
    QTest::newRow("folder that does not exist")
        << "nessuna/problema.znv"
        << "txtDati_2"
        << "5 cm" << QStringList{"problema.znv", "non esiste"};
    QTest::newRow("name of a folder") << "sotto"
                                      << "txtDati_2"
                                      << "5 cm" << QStringList{"sotto", "cartella"};
}

void TestEditorFiles::saveRefused()
{
    QFETCH(QString, target);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QStringList, told);

    EditorTestBench bench;
    Form2 &f = bench.form();
    QVERIFY(QDir().mkdir(bench.workPath("sotto")));
    const QString path = bench.workPath(target);
    const QByteArray before = EditorTestBench::crlfLines(QByteArrayList(26, "vecchio"));
    if (target.endsWith(".znv") && !target.contains('/'))
        EditorTestBench::putBytes(path, before);
    composeSomething(bench);
    bench.type(f.findChild<QWidget *>(box), typed);
    const QStringList screen = bench.problemState();

    bench.clickAnswering(f.cmdSalva, path);

    const QStringList messages = bench.takeMessages();
    QCOMPARE(messages.size(), 1);
    for (const QString &text : told)
        QVERIFY2(messages.first().contains(text), qPrintable(messages.first()));
    QCOMPARE(bench.problemState(), screen);
    if (QFileInfo(path).isFile())
        QCOMPARE(EditorTestBench::bytes(path), before);
    else
        QVERIFY(!QFileInfo(path).isFile());
}

void TestEditorFiles::saveReplacesWithoutAskingAndCancelWritesNothing()
{
    EditorTestBench bench;
    Form2 &f = bench.form();
    const QString path = bench.workPath("due.znv");
    bench.type(f.txtDati[0], "primo");
    bench.clickAnswering(f.cmdSalva, path);
    bench.type(f.txtDati[0], " e secondo");
    bench.clickAnswering(f.cmdSalva, path);
    QCOMPARE(bench.dialog().showings().constLast().proposed, path);
    QByteArrayList lines(26);
    lines[2] = "primo e secondo";
    QCOMPARE(EditorTestBench::bytes(path), EditorTestBench::crlfLines(lines));

    bench.type(f.txtDati[5], "non salvato");
    // The figure dialog leaves the current folder where the figure was looked for.
    QDir::setCurrent(bench.workPath(QString()));
    bench.clickAnswering(f.cmdSalva, QString());

    QCOMPARE(bench.dialog().showings().constLast().proposed, path);
    QCOMPARE(EditorTestBench::bytes(path), EditorTestBench::crlfLines(lines));
    QCOMPARE(QDir::currentPath(), QDir(bench.programFolder()).canonicalPath());
    QVERIFY(bench.takeMessages().isEmpty());
}

QTEST_MAIN(TestEditorFiles)
#include "tst_editorfiles.moc"
