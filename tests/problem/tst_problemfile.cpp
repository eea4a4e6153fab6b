#include "problemfile.h"

#include <QtTest>

using Formule = std::array<std::optional<int>, ProblemSlotCount>;
Q_DECLARE_METATYPE(EditorProblem)

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void putBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A file of count lines: line n (1-based) holds "r<n>", except the formula
// lines 11..18 which hold " 5 ".
QByteArray numberedLines(int count, const QByteArray &end = "\r\n")
{
    QByteArray bytes;
    for (int n = 1; n <= count; ++n)
        bytes += (n >= 11 && n <= 18 ? QByteArray(" 5 ") : "r" + QByteArray::number(n)) + end;
    return bytes;
}

QByteArray withFormulaLine(const QByteArray &formula)
{
    QList<QByteArray> lines = numberedLines(26).split('\n');
    lines[12] = formula + '\r'; // line 13, the formula of step 2
    return lines.join('\n');
}

EditorProblem sample()
{
    EditorProblem p;
    p.testo = QStringLiteral(" Un rettangolo, detto \"ABCD\", ha l'area di 48 cm²: à € “b” ‘h’ … ");
    p.nomeFigura = QStringLiteral("Rettangolo.gif");
    p.dati = {QStringLiteral("8 cm"), QStringLiteral(" 6,5 cm "), QString(),
              QStringLiteral("\"x\",y")};
    p.formule = {0, std::nullopt, 138, 7};
    p.risultati = {QStringLiteral("48 cm²"), QString(), QStringLiteral("7,5 cm")};
    return p;
}

void compareProblems(const EditorProblem &read, const EditorProblem &written)
{
    QCOMPARE(read.testo, written.testo);
    QCOMPARE(read.nomeFigura, written.nomeFigura);
    QCOMPARE(read.dati, written.dati);
    QCOMPARE(read.formule, written.formule);
    QCOMPARE(read.risultati, written.risultati);
}

} // namespace

class TestProblemFile : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>(); // every test starts in an empty folder
        QVERIFY(dir->isValid());
    }
    void roundTrip_data();
    void roundTrip();
    void writtenBytes();
    void lineBreaksBecomeBlanks();
    void lineEnds_data();
    void lineEnds();
    void formulaField_data();
    void formulaField();
    void readRefused_data();
    void readRefused();
    void writeRefused_data();
    void writeRefused();
    void storedFiles_data();
    void storedFiles();

private:
    QString path(const QString &name) const { return dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> dir;
};

void TestProblemFile::roundTrip_data()
{
    QTest::addColumn<EditorProblem>("problem");
    QTest::newRow("commas quotes blanks accents gaps") << sample();
    QTest::newRow("all empty") << EditorProblem();
    EditorProblem full;
    for (int i = 0; i < ProblemSlotCount; ++i) {
        full.dati[i] = QStringLiteral("%1 m").arg(i);
        full.formule[i] = 100 + i;
        full.risultati[i] = QStringLiteral("%1 m²").arg(i * i);
    }
    QTest::newRow("all slots") << full;
}

void TestProblemFile::roundTrip()
{
    QFETCH(EditorProblem, problem);
    const QString first = path("first.znv");
    QCOMPARE(ProblemFile::write(first, problem), QString());

    const auto editor = ProblemFile::readForEditor(first);
    QVERIFY2(editor.problem, qPrintable(editor.error));
    compareProblems(*editor.problem, problem);

    const auto solving = ProblemFile::readForSolving(first);
    QVERIFY(solving.problem);
    QCOMPARE(solving.problem->dati, problem.dati);
    for (int i = 0; i < ProblemSlotCount; ++i) {
        const auto n = problem.formule[i];
        QCOMPARE(solving.problem->formule[i], n ? QString::number(*n) : QString());
    }

    // Save, reopen, save again: the same bytes.
    const QString second = path("second.znv");
    QCOMPARE(ProblemFile::write(second, *editor.problem), QString());
    QCOMPARE(fileBytes(second), fileBytes(first));
}

void TestProblemFile::writtenBytes()
{
    EditorProblem p;
    p.testo = QStringLiteral("Città €");
    p.formule[0] = 0;
    p.formule[1] = 7;
    const QString file = path("bytes.znv");
    putBytes(file, QByteArray(5000, 'x')); // an older, longer file is replaced whole
    QCOMPARE(ProblemFile::write(file, p), QString());
    QByteArray expected = "Citt\xE0 \x80\r\n";
    expected += QByteArray("\r\n").repeated(9) + " 0 \r\n 7 \r\n" + QByteArray("\r\n").repeated(14);
    QCOMPARE(fileBytes(file), expected);
}

void TestProblemFile::lineBreaksBecomeBlanks()
{
    EditorProblem p;
    p.testo = QStringLiteral("a\r\nb\nc\rd\u2028e\u2029f");
    p.dati[0] = QStringLiteral("1\n");
    const QString file = path("breaks.znv");
    QCOMPARE(ProblemFile::write(file, p), QString());
    const auto read = ProblemFile::readForEditor(file);
    QVERIFY(read.problem);
    QCOMPARE(read.problem->testo, QStringLiteral("a b c d e f"));
    QCOMPARE(read.problem->dati[0], QStringLiteral("1 "));
    QCOMPARE(fileBytes(file).count('\n'), ProblemLineCount);
}

void TestProblemFile::lineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("CR LF") << numberedLines(26);
    QTest::newRow("LF only") << numberedLines(26, "\n");
    QTest::newRow("CR only") << numberedLines(26, "\r");
    QTest::newRow("last line without end") << numberedLines(26).chopped(2);
    QTest::newRow("more than 26 lines") << numberedLines(40);
    QTest::newRow("huge line after line 26") << numberedLines(26) + QByteArray(200000, 'z');
    QByteArray mixed = numberedLines(26);
    mixed.replace("r3\r\n", "r3\n").replace("r4\r\n", "r4\r").replace("r20\r\n", "r20\n\r\n");
    mixed.chop(5); // the extra empty line takes the place of line 26
    QTest::newRow("mixed") << mixed;
}

void TestProblemFile::lineEnds()
{
    QFETCH(QByteArray, bytes);
    const QString file = path("ends.znv");
    putBytes(file, bytes);
    const auto read = ProblemFile::readForSolving(file);
    QVERIFY2(read.problem, qPrintable(read.error));
    QCOMPARE(read.problem->testo, QStringLiteral("r1"));
    QCOMPARE(read.problem->dati[1], QStringLiteral("r4"));
    QCOMPARE(read.problem->formule[7], QStringLiteral("5"));
    QCOMPARE(read.problem->risultati[0], QStringLiteral("r19"));
    QCOMPARE(read.problem->risultati[7], QTest::currentDataTag() == QByteArray("mixed")
                                             ? QStringLiteral("r25")
                                             : QStringLiteral("r26"));
}

void TestProblemFile::formulaField_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("number"); // -1: no formula, -2: the editor refuses the file
    QTest::newRow("written form") << QByteArray(" 12 ") << "12" << 12;
    QTest::newRow("formula 0") << QByteArray(" 0 ") << "0" << 0;
    QTest::newRow("highest") << QByteArray("138") << "138" << 138;
    QTest::newRow("empty") << QByteArray() << "" << -1;
    QTest::newRow("blanks only") << QByteArray("  \t ") << "" << -1;
    QTest::newRow("ends at comma") << QByteArray("  7 ,8") << "7" << 7;
    QTest::newRow("quoted") << QByteArray("\"9\",1") << "9" << 9;
    QTest::newRow("quoted keeps blanks") << QByteArray(" \" 9\"x") << " 9" << -2;
    QTest::newRow("unclosed quote") << QByteArray("\"4") << "4" << 4;
    QTest::newRow("leading zeros") << QByteArray("0012") << "0012" << 12;
    QTest::newRow("too high") << QByteArray(" 139 ") << "139" << -2;
    QTest::newRow("huge") << QByteArray("99999999999999999999") << "99999999999999999999" << -2;
    QTest::newRow("negative") << QByteArray("-1") << "-1" << -2;
    QTest::newRow("decimal") << QByteArray("1.5") << "1.5" << -2;
    QTest::newRow("word") << QByteArray("dodici") << "dodici" << -2;
    QTest::newRow("superscript digit") << QByteArray("\xB2") << "²" << -2;
}

void TestProblemFile::formulaField()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, field);
    QFETCH(int, number);
    const QString file = path("field.znv");
    putBytes(file, withFormulaLine(line));

    const auto solving = ProblemFile::readForSolving(file);
    QVERIFY(solving.problem);
    QCOMPARE(solving.problem->formule[2], field);

    const auto editor = ProblemFile::readForEditor(file);
    if (number == -2) {
        QVERIFY(!editor.problem);
        QVERIFY2(editor.error.contains("riga 13") && editor.error.contains(file),
                 qPrintable(editor.error));
        return;
    }
    QVERIFY(editor.problem);
    QCOMPARE(editor.problem->formule[2], number < 0 ? std::optional<int>() : number);
}

void TestProblemFile::readRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // not written when the name is a folder or missing
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << "missing.znv" << QByteArray() << "non esiste";
    QTest::newRow("folder") << "." << QByteArray() << "è una cartella";
    QTest::newRow("empty") << "empty.znv" << QByteArray("") << "è vuoto";
    QTest::newRow("one line") << "one.znv" << QByteArray("testo") << "ha solo 1 riga su 26";
    QTest::newRow("12 lines") << "twelve.znv" << numberedLines(12) << "ha solo 12 righe su 26";
    QTest::newRow("25 lines") << "short.znv" << numberedLines(25) << "ha solo 25 righe su 26";
    QByteArray longLine = numberedLines(26);
    longLine.replace("r3", QByteArray(64 * 1024 + 1, 'a'));
    QTest::newRow("long line") << "long.znv" << longLine << "la riga 3 è più lunga";
    QTest::newRow("percent signs in the name")
        << "%1 e %2.znv" << longLine << "la riga 3 è più lunga";
    QTest::newRow("no line end at all") << "flat.znv" << QByteArray(1 << 20, 'a') << "la riga 1";
}

void TestProblemFile::readRefused()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const QString file = path(name);
    if (!bytes.isNull())
        putBytes(file, bytes);
    const auto editor = ProblemFile::readForEditor(file);
    const auto solving = ProblemFile::readForSolving(file);
    QVERIFY(!editor.problem && !solving.problem);
    QCOMPARE(solving.error, editor.error);
    QVERIFY2(editor.error.contains(message), qPrintable(editor.error));
    QVERIFY2(editor.error.contains(QDir::toNativeSeparators(file)), qPrintable(editor.error));
}

void TestProblemFile::writeRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<EditorProblem>("problem");
    QTest::addColumn<QString>("message");
    EditorProblem root = sample();
    root.testo = QStringLiteral("Calcola √2 e √3");
    root.risultati[1] = QStringLiteral("π cm");
    QTest::newRow("root and pi") << "old.znv" << root << "i caratteri «√» «π»";
    EditorProblem emoji = sample();
    emoji.dati[4] = QStringLiteral("😀");
    QTest::newRow("emoji") << "old.znv" << emoji << "il carattere «😀» non si può scrivere";
    EditorProblem badFormula = sample();
    badFormula.formule[5] = 139;
    QTest::newRow("formula 139") << "old.znv" << badFormula << "passaggio 6";
    QTest::newRow("target is a folder") << "folder" << sample() << "cartella";
    QTest::newRow("parent missing") << "nowhere/new.znv" << sample() << "non esiste";
}

void TestProblemFile::writeRefused()
{
    QFETCH(QString, name);
    QFETCH(EditorProblem, problem);
    QFETCH(QString, message);
    QVERIFY(QDir(dir->path()).mkpath("folder"));
    const QByteArray old = numberedLines(26);
    putBytes(path("old.znv"), old);

    const QString error = ProblemFile::write(path(name), problem);
    QVERIFY2(error.contains(message), qPrintable(error));
    QCOMPARE(fileBytes(path("old.znv")), old);
    QVERIFY(QFileInfo(path("folder")).isDir());
    QVERIFY(!QFileInfo::exists(path("nowhere")));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{"old.znv"}); // no temporary left
}

// The examples shipped with the program, and inputs that once upset the
// readers: every one reads without harm, and whatever the editor accepts it
// writes back unchanged.
void TestProblemFile::storedFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("isExample");
    for (const QString &dirName :
         {QStringLiteral(ZENUVIO_SOURCE_DIR "/examples"), QStringLiteral(ZENUVIO_TEST_DATA_DIR)}) {
        const bool examples = dirName.endsWith("examples");
        for (const QFileInfo &info : QDir(dirName).entryInfoList(QDir::Files))
            QTest::newRow(qPrintable(info.fileName())) << info.filePath() << examples;
    }
}

void TestProblemFile::storedFiles()
{
    QFETCH(QString, file);
    QFETCH(bool, isExample);
    const auto editor = ProblemFile::readForEditor(file);
    const auto solving = ProblemFile::readForSolving(file);
    QVERIFY(editor.problem || !editor.error.isEmpty());
    QVERIFY(solving.problem || !solving.error.isEmpty());
    if (!isExample && !editor.problem)
        return;
    QVERIFY2(editor.problem, qPrintable(editor.error));
    const QString copy = path("copy.znv");
    QCOMPARE(ProblemFile::write(copy, *editor.problem), QString());
    if (isExample) {
        QCOMPARE(fileBytes(copy), fileBytes(file));
        QVERIFY(!editor.problem->testo.isEmpty() && editor.problem->nomeFigura.endsWith(".gif"));
    } else {
        compareProblems(*ProblemFile::readForEditor(copy).problem, *editor.problem);
    }
}

QTEST_GUILESS_MAIN(TestProblemFile)
#include "tst_problemfile.moc"
