// The problem file: the code page, both readers, the writer, what a pupil could
// never reach or finish, where the figure is found and how it follows the file.
#include "figurelocator.h"
#include "problemfile.h"
#include "problemflaws.h"
#include "programfolder.h"

#include <QtTest>

#include <csignal>
#ifndef Q_OS_WIN
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

Q_DECLARE_METATYPE(Problem)

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool putBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// count lines: line n holds "r<n>", the formula lines 11..18 hold formula.
QByteArray numberedLines(int count, const char *end = "\r\n", const QByteArray &formula = " 5 ")
{
    QByteArray bytes;
    for (int n = 1; n <= count; ++n)
        bytes += (n >= 11 && n <= 18 ? formula : "r" + QByteArray::number(n)) + end;
    return bytes;
}

// Commas, quotes, blanks at both ends, "à", "€", the code page's curly quotes
// and its last character, formulas 0 and 138, a gap in the data.
const Problem sample{" Il ‘rettangolo’ \"ABCD\", area: à € ÿ ",
                     "Rettangolo.gif",
                     {"8 cm", " 6,5 cm ", "", "\"x\",y"},
                     {0, std::nullopt, 138, 7},
                     {"48 cm²", "", "7,5 cm"}};
const QByteArray sampleBytes = " Il \x91rettangolo\x92 \"ABCD\", area: \xE0 \x80 \xFF "
                               "\r\nRettangolo.gif\r\n8 cm\r\n 6,5 cm \r\n\r\n"
                               "\"x\",y\r\n\r\n\r\n\r\n\r\n 0 \r\n\r\n 138 "
                               "\r\n 7 \r\n\r\n\r\n\r\n\r\n48 cm\xB2\r\n\r\n"
                               "7,5 cm\r\n\r\n\r\n\r\n\r\n\r\n";

} // namespace

class TestProblemFile : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir;
    QString path(const QString &name) const { return dir->filePath(name); }

private slots:
    void init() { QVERIFY((dir = std::make_unique<QTemporaryDir>())->isValid()); } // empty folder

    void saved()
    {
        QVERIFY(putBytes(path("p.znv"), QByteArray(5000, 'x'))); // a longer file is replaced whole
        QCOMPARE(ProblemFile::write(path("p.znv"), sample), QString());
        QCOMPARE(fileBytes(path("p.znv")), sampleBytes);
        QVERIFY(ProblemFile::read(path("p.znv")).problem == sample);
        const Problem lineBreaks{"a\r\nb\nc\rd\u2028e\u2029", {}, {}, {}, {}}; // one line
        QCOMPARE(ProblemFile::write(path("p.znv"), lineBreaks), QString());
        QCOMPARE(fileBytes(path("p.znv")).left(12), "a b c d e \r\n");
    }

    // What both readers make of a file: the message, or text, data 1 and 2,
    // result 8 and step 1's formula ("-": none); after " | " what solving mode
    // refuses besides: a step its pupil would meet without a formula.
    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: no file; "/": a folder; "|": a pipe
        QTest::addColumn<QString>("expected");
        const auto formula = [](const QByteArray &line) { return numberedLines(26, "\r\n", line); };
        const auto first = [](const QByteArray &line) {
            return numberedLines(26).replace("r1\r\n", line + "\r\n");
        };
        const auto utf16 = [](const QString &text, QStringEncoder::Encoding order) {
            return QByteArray(QStringEncoder(order, QStringEncoder::Flag::WriteBom)(text));
        };
        const QString read = "r1 r3 r4 r26 %1", five = read.arg("5");
        const QString refused = "Il file «%1» non è un problema valido: la riga %2";
        const QString badFormula = refused.arg("%1", "11") +
                                   " dovrebbe contenere il numero di una formula (da 0 a 138) o "
                                   "niente, ma contiene «%2».";
        const QString control = " contiene un carattere di controllo (%1), che in un problema "
                                "non può stare.";
        const QString incomplete = "Il file «%1» non contiene un problema completo: ";
        const QString tooLong = "Il file «%1» non è un problema di Zenuvio: la riga %2 è più lunga "
                                "di 65536 caratteri.";
        const QString accented = "è € r3 r4 r26 5";
        QTest::newRow("CR only") << numberedLines(26, "\r") << five;
        QTest::newRow("last line without end") << numberedLines(26).chopped(2) << five;
        QTest::newRow("27th line not read") << numberedLines(26) + QByteArray(1, '\0') + "\r\n"
                                            << five;
        QTest::newRow("ends at comma") << formula("  7 ,8") << read.arg("7");
        QTest::newRow("no formula")
            << formula("")
            << read.arg("-") + " | Il problema del file «%1» non si può risolvere "
                               "fino in fondo: il passaggio 1 ha il risultato ma "
                               "non la formula.";
        QTest::newRow("quoted keeps blanks") << formula(" \" 9\"x") << badFormula.arg("%1", " 9");
        QTest::newRow("too high") << formula(" 139 ") << badFormula.arg("%1", "139");
        QTest::newRow("huge") << formula(QByteArray(50, '9'))
                              << badFormula.arg("%1", QString(40, '9') + "…");
        QTest::newRow("missing") << QByteArray() << "Il file «%1» non esiste.";
        QTest::newRow("folder") << QByteArray("/")
                                << "«%1» è una cartella, non un file di problema.";
        QTest::newRow("a pipe") << QByteArray("|")
                                << "Impossibile aprire il file «%1»: non è un file normale (è una "
                                   "cartella, un dispositivo o un altro file speciale).";
        QTest::newRow("empty") << QByteArray("") << incomplete + "è vuoto.";
        QTest::newRow("one line") << QByteArray("testo") << incomplete + "ha solo 1 riga su 26.";
        QTest::newRow("12 lines") << numberedLines(12) << incomplete + "ha solo 12 righe su 26.";
        QTest::newRow("long line")
            << numberedLines(26).replace("r3", QByteArray(65537, 'a')) << tooLong.arg("%1", "3");
        QTest::newRow("line at the limit")
            << numberedLines(26).replace("r3", QByteArray(65536, 'a'))
            << QString(five).replace("r3", QString(65536, 'a'));
        QTest::newRow("no line end") << QByteArray(1 << 20, 'a') << tooLong.arg("%1", "1");
        QTest::newRow("NUL") << first(QByteArray("r", 1) + '\0')
                             << refused.arg("%1", "1") + control.arg("U+0000");
        // Saved from a text editor: the mark or, without one, the bytes say how.
        QTest::newRow("UTF-8") << first("\xC3\xA8 \xE2\x82\xAC") << accented;
        QTest::newRow("UTF-8 with its mark")
            << "\xEF\xBB\xBF" + first("\xC3\xA8 \xE2\x82\xAC") << accented;
        QTest::newRow("UTF-8 mark, other bytes")
            << "\xEF\xBB\xBF" + first("\xE8 \x80")
            << refused.arg("%1", "1") + " non è scritta correttamente in UTF-8.";
        QTest::newRow("UTF-16 BE")
            << utf16("è €" + QString::fromLatin1(numberedLines(26, "\n").mid(2)),
                     QStringEncoder::Utf16BE)
            << accented;
        QTest::newRow("UTF-16, half a character")
            << utf16(QString::fromLatin1(numberedLines(26).chopped(2)), QStringEncoder::Utf16LE) +
                   "\x41"
            << refused.arg("%1", "26") + " non è scritta correttamente in UTF-16.";
    }
    void read()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        const QString file = path("%1 %2.znv"); // percent signs must not upset the messages
        if (bytes == "|") {
#ifdef Q_OS_WIN
            QSKIP("Windows has no named pipes in a folder.");
#else
            QCOMPARE(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
#endif
        } else
            QVERIFY(bytes.isNull() || (bytes == "/" ? QDir().mkdir(file) : putBytes(file, bytes)));
        const auto editor = ProblemFile::read(file);
        const auto solving = ProblemFile::readForSolving(file);
        QString found = editor.error;
        if (const auto &p = editor.problem) {
            const QString n = p->formulas[0] ? QString::number(*p->formulas[0]) : "-";
            found = QStringList{p->text, p->data[0], p->data[1], p->results[7], n}.join(' ');
        }
        if (solving.error != editor.error)
            found += " | " + solving.error;
        QCOMPARE(found, expected.replace("%1", QDir::toNativeSeparators(file)));
    }

    // A refused save names the file and leaves the old file whole, with no stray
    // file. A full disk: the process may write only a few bytes to any file.
    void writeRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Problem>("problem");
        QTest::addColumn<QString>("message");
        Problem many = sample, one = sample, badFormula = sample, tooLong = sample,
                control = sample;
        many.text = "√2 + 😀 √3";
        many.results[1] = "π cm";
        one.data[0] = "π";
        badFormula.formulas[5] = 139;
        tooLong.results[7] = QString(65537, 'a'); // the readers would refuse it
        control.results[2] = "7\t cm \u0080";     // not the euro sign, which the file holds as 0x80
        const QString characters =
            "Il problema non è stato salvato in «%1»: i caratteri «√» «😀» «π» "
            "non si possono scrivere in un file di problema (nel testo, nel "
            "risultato 2). Sostituiscili e salva di nuovo.";
        QTest::newRow("characters") << "old.znv" << many << characters;
        QTest::newRow("one character") << "old.znv" << one << "il carattere «π» non si può";
        QTest::newRow("control") << "old.znv" << control
                                 << "i caratteri «U+0009» «U+0080» non si possono scrivere";
        QTest::newRow("formula 139") << "old.znv" << badFormula << "il passaggio 6 ha la formula";
        QTest::newRow("too long") << "old.znv" << tooLong << "«%1»: il risultato 8 è più lungo";
        QTest::newRow("target is a folder") << "folder" << sample << "nel file «%1»: esiste già";
        QTest::newRow("target is a pipe") << "pipe" << sample << "«%1»: non è un file normale";
        QTest::newRow("parent missing") << "nowhere/new.znv" << sample << "«%1»: la cartella";
        QTest::newRow("parent is a file")
            << "old.znv/new.znv" << sample << "old.znv» è un file, non una cartella.";
        QTest::newRow("no permission")
            << "locked/new.znv" << sample << "«%1»: non hai il permesso di farlo.";
        const QString full = "Impossibile salvare il problema nel file «%1»: il disco è pieno.";
        QTest::newRow("disk full") << "old.znv" << sample << full;
    }
    void writeRefused()
    {
        QFETCH(QString, name);
        QFETCH(Problem, problem);
        QFETCH(QString, message);
#ifdef Q_OS_WIN
        QSKIP("Played with POSIX pipes, permissions and file size limits.");
#else
        if (name.startsWith("locked") && geteuid() == 0)
            QSKIP("The superuser may write anywhere.");
        QVERIFY(QDir(dir->path()).mkdir("folder") && putBytes(path("old.znv"), numberedLines(26)));
        QVERIFY(QDir(dir->path()).mkdir("locked") &&
                QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::ExeOwner));
        QCOMPARE(mkfifo(QFile::encodeName(path("pipe")).constData(), 0600), 0);
        const bool full = message.endsWith("il disco è pieno.");
        rlimit before{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
        rlimit small = before;
        small.rlim_cur = full ? 64 : before.rlim_cur;
        const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const QString error = ProblemFile::write(path(name), problem);
        setrlimit(RLIMIT_FSIZE, &before);
        signal(SIGXFSZ, previousHandler);
        QVERIFY2(error.contains(message.replace("%1", QDir::toNativeSeparators(path(name)))),
                 qPrintable(error));
        QCOMPARE(fileBytes(path("old.znv")), numberedLines(26));
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::System | QDir::Hidden),
                 (QStringList{"old.znv", "pipe"}));
        QVERIFY(QDir(path("locked")).isEmpty());
#endif
    }

    // A problem as "data | formula=result,...": each sentence saying what a pupil
    // could never reach or finish, "!" where he gets stuck for good.
    void flaws_data()
    {
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QStringList>("expected");
        const QString after = "il passaggio %1 viene dopo il passaggio %2, che non ha il risultato";
        QTest::newRow("every slot filled")
            << "1,2,3,4,5,6,7,8 | 1=a,2=b,3=c,4=d,5=e,6=f,7=g,8=h" << QStringList();
        QTest::newRow("last datum, first empty")
            << ",,,,,,,8 | 9=28" << QStringList{"il dato 8 viene dopo il dato 1, che è vuoto"};
        QTest::newRow("first result without formula")
            << "8 | =28" << QStringList{"!il passaggio 1 ha il risultato ma non la formula"};
        QTest::newRow("later result without formula")
            << "8 | 9=28,=48" << QStringList{"il passaggio 2 ha il risultato ma non la formula"};
        QTest::newRow("first formula without result")
            << "8 | 9=" << QStringList{"il passaggio 1 ha la formula ma non il risultato"};
        QTest::newRow("no steps") << "8 |"
                                  << QStringList{
                                         "!il passaggio 1 non ha né la formula né il risultato"};
        QTest::newRow("steps after an empty step")
            << "8 | 9=28,,3=,=4" << QStringList{after.arg(3).arg(2), after.arg(4).arg(2)};
        QTest::newRow("eighth step after a gap")
            << "8 | 1=a,2=b,3=c,4=d,5=e,6=f,,8=h" << QStringList{after.arg(8).arg(7)};
    }
    void flaws()
    {
        QFETCH(QString, problem);
        QFETCH(QStringList, expected);
        Problem p;
        const QStringList data = problem.section(" |", 0, 0).split(',');
        const QStringList steps = problem.section("| ", 1).split(',');
        for (int i = 0; i < data.size(); ++i)
            p.data[i] = data[i];
        for (int i = 0; i < steps.size(); ++i) {
            if (const QString formula = steps[i].section('=', 0, 0); !formula.isEmpty())
                p.formulas[i] = formula.toInt();
            p.results[i] = steps[i].section('=', 1);
        }
        QStringList found;
        for (const ProblemFlaws::Flaw &flaw : ProblemFlaws::find(p))
            found << (flaw.stopsThePupil ? "!" : "") + flaw.text;
        QCOMPARE(found, expected);
    }

    // A name typed without an extension gets ".znv"; any other extension is kept.
    void extension()
    {
        const QStringList typed = {"/a/rombo.txt", "/a/classe 3.b/rombo", "/a/rombo."};
        QStringList saved;
        for (const QString &name : typed)
            saved << ProblemFile::withExtension(name);
        QCOMPARE(saved, (QStringList{"/a/rombo.txt", "/a/classe 3.b/rombo.znv", "/a/rombo.znv"}));
    }

    // The figure is looked for in the program's folder, then beside the problem.
    void figureLocated_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("found"); // empty: not found
        QTest::newRow("program folder first") << "F.gif" << QString("program/F.gif");
        QTest::newRow("beside the problem") << "B.gif" << QString("problems/B.gif");
        QTest::newRow("other case") << "rombo.gif" << QString("problems/Rombo.GIF");
        QTest::newRow("two in other case") << "a.gif" << QString();
        QTest::newRow("a folder, not a file") << "D.gif" << QString();
        // Unsafe names are refused, though each would reach a file.
        QTest::newRow("backslash") << "a\\F.gif" << QString();
        QTest::newRow("drive") << "C:F.gif" << QString();
    }
    void figureLocated()
    {
        QFETCH(QString, name);
        QFETCH(QString, found);
        const QDir root(dir->path());
        for (const char *file :
             {"program/F.gif", "problems/F.gif", "problems/B.gif", "program/A.gif", "program/a.GIF",
              "problems/Rombo.GIF", "program/D.gif/x", "program/a\\F.gif", "program/C:F.gif"})
            QVERIFY(root.mkpath(QFileInfo(file).path()) && putBytes(root.filePath(file), "GIF"));
        ProgramFolder::Override program(root.filePath("program"));
        QCOMPARE(root.relativeFilePath(FigureLocator::locate(name, path("problems/p.znv"))), found);
    }

    // At a save the figure's picture is copied beside the problem file, unless
    // the problem would find that picture, or another of that name, from there.
    void figureBroughtAlong()
    {
        QVERIFY(QDir(dir->path()).mkpath("program") && QDir(dir->path()).mkpath("chosen"));
        ProgramFolder::Override program(path("program"));
        QVERIFY(putBytes(path("chosen/F.gif"), "F") && putBytes(path("chosen/P.gif"), "P") &&
                putBytes(path("program/P.gif"), "P"));
        const auto bring = [&](const QString &name, const QString &problem) {
            return FigureLocator::bringAlong(name, path("chosen/" + name), path(problem));
        };
        // Copied; beside it already; the same picture in the program's folder.
        QCOMPARE(bring("F.gif", "p.znv") + bring("F.gif", "chosen/p.znv") + bring("P.gif", "p.znv"),
                 QString());
        QCOMPARE(fileBytes(path("F.gif")), "F");
        QVERIFY(!QFile::exists(path("P.gif")));
        QVERIFY(putBytes(path("chosen/F.gif"), "another F"));
        QVERIFY(bring("F.gif", "p.znv").contains("c'è già un altro file con quel nome"));
        QCOMPARE(fileBytes(path("F.gif")), "F");
    }
};

QTEST_GUILESS_MAIN(TestProblemFile)
#include "tst_problemfile.moc"
