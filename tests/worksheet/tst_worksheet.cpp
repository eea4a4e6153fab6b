// The worksheet as a teacher gets it: the PDF file written from a problem
// file with no window, read back with poppler's tools: pdfinfo for the page
// size, pdftotext for the words and blanks of each page, pdfimages for the
// pictures, which must be the figure alone (the formulas are text and lines).

#include "problemfile.h"
#include "worksheet.h"

#include <QProcess>
#include <QRegularExpression>
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

int count(const QString &text, const QString &pattern)
{
    int found = 0;
    for (auto it = QRegularExpression(pattern).globalMatch(text); it.hasNext(); it.next())
        ++found;
    return found;
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
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

} // namespace

class TestWorksheet : public QObject {
    Q_OBJECT

private slots:
    // "Pieno": eight data and eight steps with a long text, the fourth step
    // without a formula, and a figure that cannot be found. "p.znv" has its
    // figure "P.gif" beside it, reached also through "figura.pdf", a link,
    // and the problem through "hard.pdf", a hard link (which has no other
    // path); "pieno.pdf" is yesterday's sheet, on a disk that is full.
    void sheet_data()
    {
        Problem full;
        full.text = QString("Una frase di un testo lungo, che va a capo più volte sulla pagina. ")
                        .repeated(12);
        full.figureName = "Manca.gif";
        for (int k = 0; k < ProblemSlotCount; ++k) {
            full.data[k] = QString("%1,5 cm").arg(k + 11);
            full.formulas[k] = k == 3 ? std::nullopt : std::optional<int>(k * 17);
            full.results[k] = QString("%1 cm²").arg(100 + k);
        }
        Problem rombo = *ProblemFile::read(Examples + "Rombo.znv").problem;
        rombo.figureName = "P.gif";
        QFile old(m_folder.filePath("pieno.pdf"));
        QVERIFY(ProblemFile::write(m_folder.filePath("Pieno.znv"), full).isEmpty() &&
                ProblemFile::write(m_folder.filePath("p.znv"), rombo).isEmpty() &&
                QFile::copy(Examples + "Rombo.gif", m_folder.filePath("P.gif")) &&
                link(QFile::encodeName(m_folder.filePath("p.znv")),
                     QFile::encodeName(m_folder.filePath("hard.pdf"))) == 0 &&
                QFile::link("P.gif", m_folder.filePath("figura.pdf")) &&
                old.open(QIODevice::WriteOnly) && old.write("%PDF-1.4 di ieri\n") == 17);
        old.close();

        QTest::addColumn<QString>("problem");
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
        const QString notWritten = "La scheda non è stata scritta: «" + m_folder.path();
        row("the problem through a hard link", m_folder.filePath("p.znv"), "hard.pdf", false, 0,
            notWritten + "/hard.pdf» è il file del problema stesso.\n");
        row("the figure through a link", m_folder.filePath("p.znv"), "figura.pdf", false, 0,
            notWritten + "/figura.pdf» è la figura del problema.\n");
        row("disco pieno", Examples + "Rombo.znv", "pieno.pdf", false, 0,
            "Impossibile scrivere la scheda nel file «" + m_folder.filePath("pieno.pdf") +
                "»: il disco è pieno.\n");
    }

    // An A4 sheet with the text, "Dati" and a blank for each datum, a blank
    // after "=" for each step, the figure; the solutions only when asked for,
    // on a page of their own. Refused: an Italian message, and the file that
    // was there (the problem, its figure, an old sheet) is as it was.
    void sheet()
    {
        QFETCH(QString, problem);
        QFETCH(QString, pdfName);
        QFETCH(bool, withSolutions);
        QFETCH(int, sheetPages);
        QFETCH(QString, notice);
        const QString pdfPath = m_folder.filePath(pdfName);
        const QByteArray before = bytesOf(pdfPath);
        QStringList arguments = QProcess::splitCommand(QStringLiteral(WORKSHEET_ARGUMENTS));
        arguments << problem << pdfPath;
        if (withSolutions)
            arguments << "--soluzioni";
        const Run written = run(WORKSHEET_PROGRAM, arguments,
                                QTest::currentDataTag() == QLatin1String("disco pieno"));
        QCOMPARE(written.exitCode, sheetPages > 0 ? 0 : 1);
        QVERIFY2(written.err.contains(notice), qPrintable(written.err));
        if (sheetPages == 0) {
            QCOMPARE(bytesOf(pdfPath), before);
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

        const std::optional<Problem> read = ProblemFile::read(problem).problem;
        const QString sheet = pages.mid(0, sheetPages).join('\n');
        QVERIFY2(sheet.simplified().contains(read->text.simplified()), qPrintable(sheet));
        QVERIFY(sheet.contains("Dati"));
        const int steps = used(read->results);
        QCOMPARE(count(sheet, "=\\s*_{8,}"), steps);
        QCOMPARE(count(sheet, "_{8,}"), used(read->data) + steps);

        const QString solutions = pages.mid(sheetPages).join('\n');
        // Headed with the name of the problem file it was made from.
        const QString name = QFileInfo(problem).completeBaseName();
        QCOMPARE(count(solutions, "Soluzioni:\\s*" + name), withSolutions ? 1 : 0);
        for (int k = 0; k < steps; ++k) {
            const QString result = "=\\s*" + QRegularExpression::escape(read->results[k]);
            QCOMPARE(count(sheet, result), 0);
            QCOMPARE(count(solutions, result), withSolutions ? 1 : 0);
        }
    }

private:
    QTemporaryDir m_folder;
};

QTEST_MAIN(TestWorksheet)
#include "tst_worksheet.moc"
