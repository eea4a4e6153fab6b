// Composing a problem in editor mode: the hint tooltips, the figure, the
// steps' formulas, the Enter key in the problem text, and a new problem.
#include "editortestbench.h"
#include "form2.h"
#include "formulapanel.h"
#include "module1.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

QStringList allHintedControls()
{
    QStringList names = {"txtTesto", "Picture1"};
    for (int i = 0; i < Form2::SlotCount; ++i)
        names << QStringLiteral("txtDati_%1").arg(i) << QStringLiteral("picFormRis_%1").arg(i)
              << QStringLiteral("txtRisultato_%1").arg(i);
    names.sort();
    return names;
}

// "txtDati_3" and "txtDati_5" are one row; "Picture1" is a row of its own.
QString rowOf(const QString &name)
{
    const int bar = name.indexOf(QLatin1Char('_'));
    return bar < 0 ? name : name.left(bar);
}

} // namespace

class TestEditorCompose : public QObject {
    Q_OBJECT

private slots:
    void firstClickRemovesTheRowsHints_data();
    void firstClickRemovesTheRowsHints();
    void formulaClickWithNoStepSelectedChangesNothing();
    void stepIsClearedSelectedFilledAndReplaced();
    void figureChoice_data();
    void figureChoice();
    void lineBreaksStayOutOfTheText();
    void newProblemClearsEverythingButTheSelection();
};

void TestEditorCompose::firstClickRemovesTheRowsHints_data()
{
    QTest::addColumn<QStringList>("clicked");
    QTest::addColumn<bool>("hintsActive");
    QTest::addColumn<QStringList>("rowsWithoutHints");

    QTest::newRow("text") << QStringList{"txtTesto"} << true << QStringList{"txtTesto"};
    QTest::newRow("figure") << QStringList{"Picture1"} << true << QStringList{"Picture1"};
    QTest::newRow("first datum") << QStringList{"txtDati_0"} << true << QStringList{"txtDati"};
    QTest::newRow("last datum") << QStringList{"txtDati_7"} << true << QStringList{"txtDati"};
    QTest::newRow("a formula box")
        << QStringList{"picFormRis_4"} << true << QStringList{"picFormRis"};
    QTest::newRow("a result") << QStringList{"txtRisultato_2"} << true
                              << QStringList{"txtRisultato"};
    QTest::newRow("two rows in turn")
        << QStringList{"txtRisultato_6", "txtDati_1", "txtRisultato_0"} << true
        << QStringList{"txtRisultato", "txtDati"};
    QTest::newRow("hints switched off")
        << QStringList{"txtDati_3", "txtTesto"} << false << QStringList{};
}

void TestEditorCompose::firstClickRemovesTheRowsHints()
{
    QFETCH(QStringList, clicked);
    QFETCH(bool, hintsActive);
    QFETCH(QStringList, rowsWithoutHints);

    EditorTestBench bench;
    QCOMPARE(bench.tooltipped(), allHintedControls());
    Module1::SuggerimentiAttivi = hintsActive ? 1 : 0;
    for (const QString &name : clicked)
        bench.click(bench.form().findChild<QWidget *>(name));

    QStringList expected;
    for (const QString &name : allHintedControls())
        if (!rowsWithoutHints.contains(rowOf(name)))
            expected << name;
    QCOMPARE(bench.tooltipped(), expected);
}

void TestEditorCompose::formulaClickWithNoStepSelectedChangesNothing()
{
    EditorTestBench bench;
    const QStringList before = bench.problemState();
    bench.chooseFormula(0);
    bench.chooseFormula(17);
    QCOMPARE(bench.problemState(), before);
}

void TestEditorCompose::stepIsClearedSelectedFilledAndReplaced()
{
    EditorTestBench bench;
    Form2 &f = bench.form();
    auto shows = [&f](int step, int formula) {
        return f.picFormRis[step]->picture().toImage() ==
               f.picFormula(formula)->picture().toImage();
    };

    bench.click(f.picFormRis[1]);
    bench.chooseFormula(2);
    QCOMPARE(Module1::FormuleEditor[1], std::optional<int>(2));

    bench.click(f.picFormRis[3]);
    QVERIFY(f.Option1[3]->isChecked());
    QVERIFY(!f.Option1[1]->isChecked());
    QVERIFY(!f.picFormRis[3]->hasPicture());
    QCOMPARE(Module1::FormuleEditor[3], std::nullopt);

    bench.chooseFormula(4);
    QVERIFY(shows(3, 4));
    QCOMPARE(Module1::FormuleEditor[3], std::optional<int>(4));

    bench.chooseFormula(40);
    QVERIFY(shows(3, 40));
    QCOMPARE(Module1::FormuleEditor[3], std::optional<int>(40));

    // A click on the filled box empties it again and keeps the step selected.
    bench.click(f.picFormRis[3]);
    QVERIFY(!f.picFormRis[3]->hasPicture());
    QCOMPARE(Module1::FormuleEditor[3], std::nullopt);
    QVERIFY(f.Option1[3]->isChecked());

    // Step 1 kept its formula throughout.
    QVERIFY(shows(1, 2));
    QCOMPARE(Module1::FormuleEditor[1], std::optional<int>(2));

    // An option button chosen by hand selects its step without emptying it.
    bench.click(f.Option1[1]);
    QVERIFY(f.picFormRis[1]->hasPicture());
    bench.chooseFormula(0);
    QVERIFY(shows(1, 0));
    QCOMPARE(Module1::FormuleEditor[1], std::optional<int>(0));
    QCOMPARE(Module1::FormuleEditor[3], std::nullopt);
}

void TestEditorCompose::figureChoice_data()
{
    QTest::addColumn<QString>("chosen"); // "" for a cancelled dialog
    QTest::addColumn<bool>("inProgramFolder");
    QTest::addColumn<bool>("isPicture");
    QTest::addColumn<QString>("expectedName");
    QTest::addColumn<bool>("expectNotice");

    QTest::newRow("picture in the program folder")
        << "Rombo.gif" << true << true << "Rombo.gif" << false;
    QTest::newRow("picture in another folder")
        << "Mia figura.gif" << false << true << "Mia figura.gif" << false;
    QTest::newRow("dialog cancelled") << "" << true << true << "" << false;
    QTest::newRow("not a picture") << "Rotta.gif" << false << false << "" << true;
}

void TestEditorCompose::figureChoice()
{
    QFETCH(QString, chosen);
    QFETCH(bool, inProgramFolder);
    QFETCH(bool, isPicture);
    QFETCH(QString, expectedName);
    QFETCH(bool, expectNotice);

    EditorTestBench bench;
    Form2 &f = bench.form();
    const QColor blue(0, 0, 255);
    const QString earlier = bench.workPath("Vecchia.gif");
    EditorTestBench::makePicture(earlier, QColor(0, 255, 0));
    bench.clickAnswering(f.Picture1, earlier);
    QCOMPARE(Module1::NomeFigura, QStringLiteral("Vecchia.gif"));

    QString path;
    if (!chosen.isEmpty()) {
        path =
            inProgramFolder ? QDir(bench.programFolder()).filePath(chosen) : bench.workPath(chosen);
        if (isPicture)
            EditorTestBench::makePicture(path, blue);
        else
            EditorTestBench::putBytes(path, "GIF89a, or so it says");
    }
    bench.clickAnswering(f.Picture1, path);

    QCOMPARE(Module1::NomeFigura, expectedName);
    QCOMPARE(EditorTestBench::shownColour(*f.Picture1), expectedName.isEmpty() ? QColor() : blue);
    const ScriptedFileDialog::Showing showing = bench.dialog().showings().constLast();
    QVERIFY(!showing.forSaving);
    QCOMPARE(showing.proposed, QString());
    QCOMPARE(showing.nameFilter, QStringLiteral("Figura (*.gif)"));
    const QStringList messages = bench.takeMessages();
    QCOMPARE(messages.size(), expectNotice ? 1 : 0);
    if (expectNotice)
        QVERIFY2(messages.first().contains(chosen), qPrintable(messages.first()));
}

// The file holds the text on one line: Enter does not break it, and line
// breaks that come in with pasted text are saved as blanks.
void TestEditorCompose::lineBreaksStayOutOfTheText()
{
    EditorTestBench bench;
    QPlainTextEdit *text = bench.form().txtTesto;
    bench.type(text, "Un quadrato");
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClick(text, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(text, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(text, " di lato 5 cm.");
    QCOMPARE(text->toPlainText(), QStringLiteral("Un quadrato di lato 5 cm."));

    QApplication::clipboard()->setText(QStringLiteral(" Area?\nE il\r\nperimetro?"));
    QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(text->blockCount(), 3);
    const QString path = bench.workPath("incollato.znv");
    bench.clickAnswering(bench.form().cmdSalva, path);
    QByteArrayList lines(26);
    lines[0] = "Un quadrato di lato 5 cm. Area? E il perimetro?";
    QCOMPARE(EditorTestBench::bytes(path), EditorTestBench::crlfLines(lines));
}

void TestEditorCompose::newProblemClearsEverythingButTheSelection()
{
    EditorTestBench bench;
    Form2 &f = bench.form();
    const QString figure = bench.workPath("Quadrato.gif");
    EditorTestBench::makePicture(figure, Qt::red);
    bench.type(f.txtTesto, "Un quadrato ha il lato di 5 cm.");
    bench.clickAnswering(f.Picture1, figure);
    bench.type(f.txtDati[0], "l = 5 cm");
    bench.type(f.txtDati[7], "x");
    bench.click(f.picFormRis[2]);
    bench.chooseFormula(6);
    bench.type(f.txtRisultato[2], "25 cm²");
    const QString saved = bench.workPath("quadrato.znv");
    bench.clickAnswering(f.cmdSalva, saved);
    QVERIFY(QFile::exists(saved));
    const QStringList hintsBefore = bench.tooltipped();
    const int tabBefore = f.SSTab1->currentTab();
    QVERIFY(tabBefore != 0);

    bench.click(f.cmdNuovo);

    QStringList empty = {QStringLiteral("testo: "), QStringLiteral("figura: , #ffff00")};
    for (int i = 0; i < Form2::SlotCount; ++i)
        empty << QStringLiteral("dato %1: ").arg(i)
              << QStringLiteral("formula %1: nessuna, vuota").arg(i)
              << QStringLiteral("risultato %1: ").arg(i);
    QCOMPARE(bench.problemState(), empty);
    QVERIFY(f.Option1[2]->isChecked());
    QCOMPARE(bench.tooltipped(), hintsBefore);
    QCOMPARE(f.SSTab1->currentTab(), tabBefore);

    const QString fresh = bench.workPath("nuovo.znv");
    bench.clickAnswering(f.cmdSalva, fresh);
    QCOMPARE(bench.dialog().showings().constLast().proposed, QString());
    QCOMPARE(EditorTestBench::bytes(fresh), EditorTestBench::crlfLines(QByteArrayList(26)));
    QVERIFY(bench.takeMessages().isEmpty());
}

QTEST_MAIN(TestEditorCompose)
#include "tst_editorcompose.moc"
