// The worksheet as a teacher gets it: the PDF file written from a problem
// file with no window (Ctrl+P is tried in the work window's tests), read back
// with poppler's tools. pdfinfo gives the page size, pdftotext the words and
// the blanks of each page, pdfimages every picture in the file, which must be
// the figure alone: the formulas of the solutions are text and lines.

#include "problemfile.h"
#include "worksheet.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

// A disk that takes only the first few kilobytes of any file.
constexpr rlimit FullDisk{4096, RLIM_INFINITY};

Run run(const QString &program, const QStringList &arguments, bool fullDisk = false)
{
    QProcess process;
    if (fullDisk)
        process.setChildProcessModifier([] {
            signal(SIGXFSZ, SIG_IGN);
            setrlimit(RLIMIT_FSIZE, &FullDisk);
        });
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// Writes the worksheet with the program under test, whose arguments are those
// of `zenuvio --pdf`.
Run writeSheet(const QString &problemPath, const QString &pdfPath, bool withSolutions,
               bool fullDisk = false)
{
    QStringList arguments = QProcess::splitCommand(QStringLiteral(WORKSHEET_ARGUMENTS));
    arguments << problemPath << pdfPath;
    if (withSolutions)
        arguments << QStringLiteral("--soluzioni");
    return run(QStringLiteral(WORKSHEET_PROGRAM), arguments, fullDisk);
}

int count(const QString &text, const QString &pattern)
{
    int found = 0;
    for (auto it = QRegularExpression(pattern).globalMatch(text); it.hasNext(); it.next())
        ++found;
    return found;
}

// "= 7,5 cm", however many blanks pdftotext sets between the two.
QString equalsThen(const QString &text)
{
    return "=\\s*" + QRegularExpression::escape(text);
}

// What a pupil meets: the data up to the first empty one, the steps up to the
// first empty result.
int used(const std::array<QString, ProblemSlotCount> &texts)
{
    return int(std::find(texts.begin(), texts.end(), QString()) - texts.begin());
}

const QString Examples = QStringLiteral(ZENUVIO_SOURCE_DIR "/examples/");

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString Blank = QStringLiteral("_{8,}");
const QString ResultBlank = QStringLiteral("=\\s*_{8,}");

} // namespace

class TestWorksheet : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        for (const char *tool : {"pdfinfo", "pdftotext", "pdfimages"})
            QVERIFY2(!QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty(), tool);
        QVERIFY(m_folder.isValid());
    }

    // "Pieno": eight data and eight steps with a long text, the fourth step
    // without a formula, and a figure that cannot be found.
    void sheet_data()
    {
        Problem full;
        for (int i = 0; i < 12; ++i)
            full.text += QString("Frase numero %1 di un testo lungo, che va a capo più volte "
                                 "sulla pagina. ")
                             .arg(i + 1);
        full.figureName = "Manca.gif";
        for (int k = 0; k < ProblemSlotCount; ++k) {
            full.data[k] = QString("%1,5 cm").arg(k + 11);
            full.formulas[k] = k == 3 ? std::nullopt : std::optional<int>(k * 17);
            full.results[k] = QString("%1 cm²").arg(100 + k);
        }
        QCOMPARE(ProblemFile::write(m_folder.filePath("Pieno.znv"), full), QString());

        QTest::addColumn<QString>("problemPath");
        QTest::addColumn<QString>("pdfName");
        QTest::addColumn<bool>("withSolutions");
        QTest::addColumn<int>("sheetPages"); // before the solutions; none: refused
        QTest::addColumn<QString>("notice"); // on stderr, none when all is well
        const auto row = [](const char *tag, const QString &problem, const QString &pdf,
                            bool withSolutions, int pages, const QString &notice) {
            QTest::newRow(tag) << problem << pdf << withSolutions << pages << notice;
        };
        row("TrapezioIsoscele, soluzioni", Examples + "TrapezioIsoscele.znv", "TI.pdf", true, 1,
            "");
        row("Pieno", m_folder.filePath("Pieno.znv"), "Pieno.pdf", false, 2,
            "«Manca.gif» non è stata trovata");
        row("nessun problema", m_folder.filePath("Nessuno.znv"), "Nessuno.pdf", false, 0,
            "/Nessuno.znv» non esiste.");
        row("nessuna cartella per il PDF", Examples + "Rombo.znv", "manca/Rombo.pdf", false, 0,
            "/manca/Rombo.pdf»");
    }

    // An A4 sheet with the text, "Dati" and a blank for each datum, a blank
    // after "=" for each step, the figure; the solutions only when asked for,
    // on a page of their own. Refused: an Italian message, and no PDF file.
    void sheet()
    {
        QFETCH(QString, problemPath);
        QFETCH(QString, pdfName);
        QFETCH(bool, withSolutions);
        QFETCH(int, sheetPages);
        QFETCH(QString, notice);
        const QString pdfPath = m_folder.filePath(pdfName);
        const std::optional<Problem> problem = ProblemFile::read(problemPath).problem;
        const Run written = writeSheet(problemPath, pdfPath, withSolutions);
        QCOMPARE(written.exitCode, sheetPages > 0 ? 0 : 1);
        QVERIFY2(written.err.contains(notice), qPrintable(written.err));
        if (sheetPages == 0) {
            QVERIFY(!QFile::exists(pdfPath));
            return;
        }
        const QString info = run("pdfinfo", {pdfPath}).out;
        QVERIFY2(info.contains("595 x 842 pts (A4)"), qPrintable(info));
        // pdfimages lists two heading rows, then one row for each picture.
        const QString images = run("pdfimages", {"-list", pdfPath}).out;
        QCOMPARE(images.count('\n') - 2, notice.isEmpty() ? 1 : 0);
        QStringList pages = run("pdftotext", {"-layout", pdfPath, "-"}).out.split('\f');
        if (pages.last().trimmed().isEmpty())
            pages.removeLast();
        QCOMPARE(pages.size(), sheetPages + (withSolutions ? 1 : 0));

        const QString sheet = pages.mid(0, sheetPages).join('\n');
        QVERIFY2(sheet.simplified().contains(problem->text.simplified()), qPrintable(sheet));
        QVERIFY(sheet.contains("Dati"));
        const int data = used(problem->data);
        const int steps = used(problem->results);
        QCOMPARE(count(sheet, ResultBlank), steps);
        QCOMPARE(count(sheet, Blank), data + steps);

        const QString solutions = pages.mid(sheetPages).join('\n');
        // Headed with the name of the problem file it was made from.
        const QString name = QFileInfo(problemPath).completeBaseName();
        QCOMPARE(count(solutions, "Soluzioni:\\s*" + name), withSolutions ? 1 : 0);
        for (int k = 0; k < steps; ++k) {
            QCOMPARE(count(sheet, equalsThen(problem->results[k])), 0);
            QCOMPARE(count(solutions, equalsThen(problem->results[k])), withSolutions ? 1 : 0);
        }
        for (int k = 0; k < data && withSolutions; ++k) {
            const QString numbered =
                QString("%1\\.\\s+").arg(k + 1) + QRegularExpression::escape(problem->data[k]);
            QVERIFY2(count(solutions, numbered) == 1, qPrintable(problem->data[k]));
        }
    }

    // The sheet never replaces what it is made from, even through a link to it
    // (a hard link has no other path): one line says so, nothing is written.
    void outputIsAnInput_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("said");
        const QString problem = "il file del problema stesso.", figure = "la figura del problema.";
        QTest::newRow("the problem") << "p.znv" << problem;
        QTest::newRow("a hard link") << "hard.pdf" << problem;
        QTest::newRow("the figure") << "P.gif" << figure;
        QTest::newRow("a link to the figure") << "figura.pdf" << figure;
    }
    void outputIsAnInput()
    {
        QFETCH(QString, output);
        QFETCH(QString, said);
        QTemporaryDir dir;
        Problem rombo = *ProblemFile::read(Examples + "Rombo.znv").problem;
        rombo.figureName = "P.gif";
        QVERIFY(ProblemFile::write(dir.filePath("p.znv"), rombo).isEmpty() &&
                QFile::copy(Examples + "Rombo.gif", dir.filePath("P.gif")) &&
                link(QFile::encodeName(dir.filePath("p.znv")),
                     QFile::encodeName(dir.filePath("hard.pdf"))) == 0 &&
                QFile::link("P.gif", dir.filePath("figura.pdf")));
        const QStringList files = QDir(dir.path()).entryList(QDir::Files | QDir::System);
        const QByteArray problemBytes = bytesOf(dir.filePath("p.znv"));
        const QByteArray figureBytes = bytesOf(dir.filePath("P.gif"));
        const Run written = writeSheet(dir.filePath("p.znv"), dir.path() + "/" + output, false);
        QCOMPARE(written.exitCode, 1);
        const QString line = "La scheda non è stata scritta: «" +
                             QDir::cleanPath(dir.path() + "/" + output) + "» è " + said + "\n";
        QVERIFY2(written.err.endsWith(line), qPrintable(written.err));
        QCOMPARE(bytesOf(dir.filePath("p.znv")), problemBytes);
        QCOMPARE(bytesOf(dir.filePath("P.gif")), figureBytes);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::System), files);
    }

    // On a full disk the old PDF stays as it was, byte for byte, and the
    // teacher is told why. (Printing to a PDF file on a full disk is tried
    // through the work window's Ctrl+P.)
    void fullDisk()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("scheda.pdf");
        const QByteArray old = "%PDF-1.4 la scheda di ieri\n";
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
        file.close();
        const Run written = writeSheet(Examples + "Rombo.znv", pdf, false, true);
        QCOMPARE(written.exitCode, 1);
        QVERIFY2(written.err.endsWith("Impossibile scrivere la scheda nel file «" + pdf +
                                      "»: il disco è pieno.\n"),
                 qPrintable(written.err));
        QCOMPARE(bytesOf(pdf), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList("scheda.pdf"));
    }

private:
    QTemporaryDir m_folder;
};

QTEST_MAIN(TestWorksheet)
#include "tst_worksheet.moc"
