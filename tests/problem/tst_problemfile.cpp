#include "cp1252.h"
#include "problemfile.h"

#include <QtTest>

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
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// count lines: line n holds "r<n>", the formula lines 11..18 hold " 5 ".
QByteArray numberedLines(int count, const QByteArray &end = "\r\n")
{
    QByteArray bytes;
    for (int n = 1; n <= count; ++n)
        bytes += (n >= 11 && n <= 18 ? QByteArray(" 5 ") : "r" + QByteArray::number(n)) + end;
    return bytes;
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

} // namespace

class TestProblemFile : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir;
    QString path(const QString &name) const { return dir->filePath(name); }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>(); // every test starts in an empty folder
        QVERIFY(dir->isValid());
    }

    void everyByteSurvivesTheCodePage()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(static_cast<char>(b));
        const QString text = Cp1252::decode(all);
        QCOMPARE(Cp1252::encode(text), all);
        QCOMPARE(text.mid(0x80, 4), QStringLiteral("€\u0081‚ƒ"));
        QCOMPARE(text.mid(0x93, 2) + text.at(0x9F) + text.at(0xE0), QStringLiteral("“”Ÿà"));
    }

    void unencodable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("missing");
        QTest::addColumn<QByteArray>("encoded");
        QTest::newRow("all fit") << "àé €" << QString() << QByteArray("\xE0\xE9 \x80");
        QTest::newRow("root and pi") << "√2·π√"
                                     << "√π" << QByteArray("?2\xB7??");
        // U+0080 is Latin-1's, not Windows-1252's: there 0x80 is the euro sign.
        QTest::newRow("latin-1 control") << "\u0080"
                                         << "\u0080" << QByteArray("?");
        QTest::newRow("outside 16 bits") << "a😀b😀"
                                         << "😀" << QByteArray("a?b?");
    }
    void unencodable()
    {
        QFETCH(QString, text);
        QFETCH(QString, missing);
        QFETCH(QByteArray, encoded);
        QCOMPARE(Cp1252::unencodable(text), missing);
        QCOMPARE(Cp1252::encode(text), encoded);
    }

    void roundTrip_data()
    {
        QTest::addColumn<EditorProblem>("problem");
        QTest::newRow("commas quotes blanks accents gaps") << sample();
        QTest::newRow("all empty") << EditorProblem();
    }
    void roundTrip()
    {
        QFETCH(EditorProblem, problem);
        QCOMPARE(ProblemFile::write(path("first.znv"), problem), QString());
        const auto editor = ProblemFile::readForEditor(path("first.znv"));
        QVERIFY2(editor.problem == problem, qPrintable(editor.error));

        const auto solving = ProblemFile::readForSolving(path("first.znv"));
        QVERIFY(solving.problem);
        QCOMPARE(solving.problem->risultati, problem.risultati);
        for (int i = 0; i < ProblemSlotCount; ++i) {
            const auto n = problem.formule[i];
            QCOMPARE(solving.problem->formule[i], n ? QString::number(*n) : QString());
        }
        // Save, reopen, save again: the same bytes.
        QCOMPARE(ProblemFile::write(path("second.znv"), *editor.problem), QString());
        QCOMPARE(fileBytes(path("second.znv")), fileBytes(path("first.znv")));
    }

    void writtenBytes()
    {
        EditorProblem p;
        p.testo = QStringLiteral("Città\r\n€");
        p.dati[0] = QStringLiteral("a\nb\rc\u2028d\u2029");
        p.formule[0] = 0;
        p.formule[1] = 7;
        putBytes(path("p.znv"), QByteArray(5000, 'x')); // an older, longer file is replaced whole
        QCOMPARE(ProblemFile::write(path("p.znv"), p), QString());
        const QByteArray empty = "\r\n";
        QCOMPARE(fileBytes(path("p.znv")), "Citt\xE0 \x80\r\n\r\na b c d \r\n" + empty.repeated(7) +
                                               " 0 \r\n 7 \r\n" + empty.repeated(14));
    }

    void lineEnds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("CR LF") << numberedLines(26);
        QTest::newRow("LF only") << numberedLines(26, "\n");
        QTest::newRow("CR only") << numberedLines(26, "\r");
        QTest::newRow("last line without end") << numberedLines(26).chopped(2);
        QTest::newRow("more than 26 lines") << numberedLines(40);
        QTest::newRow("huge line after line 26") << numberedLines(26) + QByteArray(200000, 'z');
        QTest::newRow("mixed")
            << numberedLines(26).replace("r3\r\n", "r3\n").replace("r4\r\n", "r4\r");
    }
    void lineEnds()
    {
        QFETCH(QByteArray, bytes);
        putBytes(path("p.znv"), bytes);
        const auto read = ProblemFile::readForSolving(path("p.znv"));
        QVERIFY2(read.problem, qPrintable(read.error));
        QCOMPARE(read.problem->testo + read.problem->dati[0] + read.problem->dati[1],
                 QStringLiteral("r1r3r4"));
        QCOMPARE(read.problem->formule[7] + read.problem->risultati[7], QStringLiteral("5r26"));
    }

    void formulaField_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("number"); // -1: no formula, -2: the editor refuses the file
        QTest::newRow("written form") << QByteArray(" 12 ") << "12" << 12;
        QTest::newRow("formula 0") << QByteArray(" 0 ") << "0" << 0;
        QTest::newRow("empty") << QByteArray() << "" << -1;
        QTest::newRow("ends at comma") << QByteArray("  7 ,8") << "7" << 7;
        QTest::newRow("quoted") << QByteArray("\"9\",1") << "9" << 9;
        QTest::newRow("quoted keeps blanks") << QByteArray(" \" 9\"x") << " 9" << -2;
        QTest::newRow("unclosed quote") << QByteArray("\"138") << "138" << 138;
        QTest::newRow("leading zeros") << QByteArray("0012") << "0012" << 12;
        QTest::newRow("too high") << QByteArray(" 139 ") << "139" << -2;
        QTest::newRow("huge") << QByteArray("99999999999999999999") << "99999999999999999999" << -2;
        QTest::newRow("word") << QByteArray("dodici") << "dodici" << -2;
    }
    void formulaField()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, field);
        QFETCH(int, number);
        const QByteArray after = numberedLines(26).mid(numberedLines(12).size());
        putBytes(path("p.znv"), numberedLines(11) + line + "\r\n" + after); // formula of step 1

        const auto solving = ProblemFile::readForSolving(path("p.znv"));
        QVERIFY(solving.problem);
        QCOMPARE(solving.problem->formule[1], field);
        const auto editor = ProblemFile::readForEditor(path("p.znv"));
        if (number == -2) {
            QVERIFY(!editor.problem);
            QVERIFY2(editor.error.contains("la riga 12"), qPrintable(editor.error));
        } else {
            QVERIFY(editor.problem);
            QCOMPARE(editor.problem->formule[1], number < 0 ? std::optional<int>() : number);
        }
    }

    void readRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes"); // null: nothing is written
        QTest::addColumn<QString>("message");
        QByteArray longLine = numberedLines(26).replace("r3", QByteArray(64 * 1024 + 1, 'a'));
        QTest::newRow("missing") << "missing.znv" << QByteArray() << "non esiste";
        QTest::newRow("folder") << "." << QByteArray() << "è una cartella";
        QTest::newRow("empty") << "p.znv" << QByteArray("") << "è vuoto";
        QTest::newRow("one line") << "p.znv" << QByteArray("testo") << "ha solo 1 riga su 26";
        QTest::newRow("12 lines") << "p.znv" << numberedLines(12) << "ha solo 12 righe su 26";
        QTest::newRow("long line") << "p.znv" << longLine << "la riga 3 è più lunga";
        QTest::newRow("no line end") << "p.znv" << QByteArray(1 << 20, 'a') << "la riga 1 è più";
        QTest::newRow("percent signs in the name") << "%1 %2.znv" << longLine << "la riga 3 è";
    }
    void readRefused()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        if (!bytes.isNull())
            putBytes(path(name), bytes);
        const auto editor = ProblemFile::readForEditor(path(name));
        const auto solving = ProblemFile::readForSolving(path(name));
        QVERIFY(!editor.problem && !solving.problem);
        QCOMPARE(solving.error, editor.error);
        QVERIFY2(editor.error.contains(message), qPrintable(editor.error));
        QVERIFY2(editor.error.contains(QDir::toNativeSeparators(path(name))),
                 qPrintable(editor.error));
    }

    void writeRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<EditorProblem>("problem");
        QTest::addColumn<QString>("message");
        EditorProblem root = sample(), emoji = sample(), badFormula = sample(), tooLong = sample();
        root.testo = QStringLiteral("Calcola √2 e √3");
        root.risultati[1] = QStringLiteral("π cm");
        emoji.dati[4] = QStringLiteral("😀");
        badFormula.formule[5] = 139;
        tooLong.risultati[7] = QString(64 * 1024 + 1, 'a'); // the readers would refuse it
        QTest::newRow("root and pi") << "old.znv" << root << "i caratteri «√» «π» non si possono";
        QTest::newRow("emoji") << "old.znv" << emoji << "il carattere «😀» non si può scrivere";
        QTest::newRow("formula 139") << "old.znv" << badFormula << "il passaggio 6";
        QTest::newRow("too long") << "old.znv" << tooLong << "il risultato 8 è più lungo";
        QTest::newRow("target is a folder") << "folder" << sample() << "cartella";
        QTest::newRow("parent missing") << "nowhere/new.znv" << sample() << "non esiste";
    }
    void writeRefused()
    {
        QFETCH(QString, name);
        QFETCH(EditorProblem, problem);
        QFETCH(QString, message);
        QVERIFY(QDir(dir->path()).mkdir("folder"));
        putBytes(path("old.znv"), numberedLines(26));

        const QString error = ProblemFile::write(path(name), problem);
        QVERIFY2(error.contains(message), qPrintable(error));
        QCOMPARE(fileBytes(path("old.znv")), numberedLines(26));
        QVERIFY(QFileInfo(path("folder")).isDir() && !QFileInfo::exists(path("nowhere")));
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{"old.znv"}); // no temporary
    }

    // The shipped examples, and inputs that once upset the readers: each reads
    // without harm, and whatever the editor accepts it writes back unchanged.
    void storedFiles_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString &folder : {QStringLiteral(ZENUVIO_SOURCE_DIR "/examples"),
                                      QStringLiteral(ZENUVIO_TEST_DATA_DIR)}) {
            for (const QFileInfo &info : QDir(folder).entryInfoList(QDir::Files))
                QTest::newRow(qPrintable(info.dir().dirName() + '/' + info.fileName()))
                    << info.filePath();
        }
    }
    void storedFiles()
    {
        QFETCH(QString, file);
        const bool example = file.contains("/examples/");
        const auto editor = ProblemFile::readForEditor(file);
        const auto solving = ProblemFile::readForSolving(file);
        QVERIFY(editor.problem.has_value() != !editor.error.isEmpty());
        QVERIFY(solving.problem.has_value() != !solving.error.isEmpty());
        QVERIFY2(editor.problem || !example, qPrintable(editor.error));
        if (!editor.problem)
            return;
        QCOMPARE(ProblemFile::write(path("copy.znv"), *editor.problem), QString());
        if (example)
            QCOMPARE(fileBytes(path("copy.znv")), fileBytes(file));
        QVERIFY(ProblemFile::readForEditor(path("copy.znv")).problem == editor.problem);
    }
};

QTEST_GUILESS_MAIN(TestProblemFile)
#include "tst_problemfile.moc"
