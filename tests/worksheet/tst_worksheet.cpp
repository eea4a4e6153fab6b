// The worksheet as a teacher gets it: the PDF file written from a problem
// file with no window, read back with poppler's tools. pdfinfo gives the page
// size and count, pdftotext the words and the blanks of each page, pdfimages
// every picture in the file, which must be the figure alone: the formulas of
// the solutions are text and lines. Ctrl+P's print dialog is scripted.

#include "problemfile.h"
#include "worksheet.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run run(const QString &program, const QStringList &arguments, const QString &folder = {})
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// Writes the worksheet with the program under test, whose arguments are those
// of `zenuvio --pdf`.
Run writeSheet(const QString &problemPath, const QString &pdfPath, bool withSolutions,
               const QString &folder = {})
{
    QStringList arguments = QProcess::splitCommand(QStringLiteral(WORKSHEET_ARGUMENTS));
    arguments << problemPath << pdfPath;
    if (withSolutions)
        arguments << QStringLiteral("--soluzioni");
    return run(QStringLiteral(WORKSHEET_PROGRAM), arguments, folder);
}

struct Pdf {
    QString info;       // pdfinfo
    QStringList pages;  // pdftotext -layout, one text per page
    QStringList images; // pdfimages -list, one row per picture
    int pageCount() const { return pages.size(); }
};

Pdf readPdf(const QString &path)
{
    Pdf pdf;
    pdf.info = run(QStringLiteral("pdfinfo"), {path}).out;
    pdf.pages =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")})
            .out.split(QLatin1Char('\f'));
    if (!pdf.pages.isEmpty() && pdf.pages.last().trimmed().isEmpty())
        pdf.pages.removeLast();
    // Two heading rows, then one row for each picture.
    pdf.images = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path})
                     .out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                     .mid(2);
    return pdf;
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
    return QStringLiteral("=\\s*") + QRegularExpression::escape(text);
}

// What a pupil meets: the data up to the first empty one, the steps up to the
// first empty result.
int used(const std::array<QString, ProblemSlotCount> &texts)
{
    return int(std::find(texts.begin(), texts.end(), QString()) - texts.begin());
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

    void examples_data()
    {
        QTest::addColumn<QString>("example");
        QTest::addColumn<bool>("withSolutions");
        for (const char *example : {"Rombo", "TrapezioIsoscele", "TriangoloScaleno"}) {
            QTest::newRow(example) << example << false;
            QTest::addRow("%s, soluzioni", example) << example << true;
        }
    }

    // An A4 sheet with the text, "Dati" and a blank for each datum, a blank
    // after "=" for each step, the figure; the solutions only when asked for.
    void examples()
    {
        QFETCH(QString, example);
        QFETCH(bool, withSolutions);
        const QString problemPath =
            QStringLiteral(ZENUVIO_SOURCE_DIR "/examples/%1.znv").arg(example);
        const EditorProblem problem = *ProblemFile::readForEditor(problemPath).problem;
        const QString pdfPath = m_folder.filePath(QTest::currentDataTag() + QStringLiteral(".pdf"));

        const Run written = writeSheet(problemPath, pdfPath, withSolutions);
        QVERIFY2(written.exitCode == 0, qPrintable(written.err));
        const Pdf pdf = readPdf(pdfPath);
        QVERIFY2(pdf.info.contains(QStringLiteral("595 x 842 pts (A4)")), qPrintable(pdf.info));
        QCOMPARE(pdf.pageCount(), withSolutions ? 2 : 1);
        QCOMPARE(pdf.images.size(), 1);

        const QString sheet = pdf.pages.first();
        QVERIFY2(sheet.simplified().contains(problem.testo.simplified()), qPrintable(sheet));
        QVERIFY(sheet.contains(QStringLiteral("Dati")));
        const int data = used(problem.dati);
        const int steps = used(problem.risultati);
        QCOMPARE(count(sheet, ResultBlank), steps);
        QCOMPARE(count(sheet, Blank), data + steps);

        const QString all = pdf.pages.join(QLatin1Char('\f'));
        QCOMPARE(all.contains(QStringLiteral("Soluzioni")), withSolutions);
        const QString solutions = withSolutions ? pdf.pages.last() : QString();
        for (int k = 0; k < steps; ++k) {
            QCOMPARE(count(all, equalsThen(problem.risultati[k])), withSolutions ? 1 : 0);
            QCOMPARE(count(solutions, equalsThen(problem.risultati[k])), withSolutions ? 1 : 0);
        }
        for (int k = 0; k < data && withSolutions; ++k) {
            const QString numbered = QStringLiteral("%1\\.\\s+").arg(k + 1) +
                                     QRegularExpression::escape(problem.dati[k]);
            QVERIFY2(count(solutions, numbered) == 1, qPrintable(problem.dati[k]));
        }
    }

    // Eight data and eight steps with a long text take more than one page,
    // all of it there; a missing figure is said and the sheet has no picture.
    void fullProblemWithoutItsFigure()
    {
        EditorProblem problem;
        for (int i = 0; i < 12; ++i)
            problem.testo += QStringLiteral("Frase numero %1 di un testo lungo, che va a capo "
                                            "più volte sulla pagina. ")
                                 .arg(i + 1);
        problem.nomeFigura = QStringLiteral("Manca.gif");
        for (int k = 0; k < ProblemSlotCount; ++k) {
            problem.dati[k] = QStringLiteral("%1,5 cm").arg(k + 11);
            problem.formule[k] = k == 3 ? std::nullopt : std::optional<int>(k * 17);
            problem.risultati[k] = QStringLiteral("%1 cm²").arg(100 + k);
        }
        const QString problemPath = m_folder.filePath(QStringLiteral("Pieno.znv"));
        QCOMPARE(ProblemFile::write(problemPath, problem), QString());
        const QString pdfPath = m_folder.filePath(QStringLiteral("Pieno.pdf"));

        const Run written = writeSheet(problemPath, pdfPath, true);
        QCOMPARE(written.exitCode, 0);
        QVERIFY2(written.err.contains(QStringLiteral("«Manca.gif» non è stata trovata")),
                 qPrintable(written.err));
        const Pdf pdf = readPdf(pdfPath);
        QVERIFY(pdf.pageCount() >= 3);
        QCOMPARE(pdf.images.size(), 0);
        const QString sheet = pdf.pages.mid(0, pdf.pageCount() - 1).join(QLatin1Char('\n'));
        QVERIFY(sheet.simplified().contains(problem.testo.simplified()));
        QCOMPARE(count(sheet, ResultBlank), 8);
        QCOMPARE(count(sheet, Blank), 16);
        QVERIFY(pdf.pages.last().contains(QStringLiteral("Soluzioni")));
        for (int k = 0; k < ProblemSlotCount; ++k)
            QCOMPARE(count(pdf.pages.last(), equalsThen(problem.risultati[k])), 1);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("problemPath");
        QTest::addColumn<QString>("pdfPath");
        QTest::addColumn<QString>("message");
        const QString example = QStringLiteral(ZENUVIO_SOURCE_DIR "/examples/Rombo.znv");
        QTest::newRow("no problem file")
            << QStringLiteral("Nessuno.znv") << QStringLiteral("Nessuno.pdf")
            << QStringLiteral("/Nessuno.znv» non esiste.");
        QTest::newRow("no folder for the PDF")
            << example << QStringLiteral("manca/Rombo.pdf") << QStringLiteral("/manca/Rombo.pdf»");
    }

    // An Italian message, and no PDF file left behind.
    void refusals()
    {
        QFETCH(QString, problemPath);
        QFETCH(QString, pdfPath);
        QFETCH(QString, message);
        const Run written = writeSheet(problemPath, pdfPath, false, m_folder.path());
        QCOMPARE(written.exitCode, 1);
        QVERIFY2(written.err.contains(message), qPrintable(written.err));
        QVERIFY(!QFile::exists(m_folder.filePath(pdfPath)));
    }

    // Ctrl+P: the dialog's answer is scripted; printing to a PDF file gives the
    // same A4 sheet, a cancelled dialog prints nothing.
    void printDialog()
    {
        const QString problemPath = QStringLiteral(ZENUVIO_SOURCE_DIR "/examples/Rombo.znv");
        const EditorProblem problem = *ProblemFile::readForEditor(problemPath).problem;
        const QImage figure = Worksheet::loadFigure(problem.nomeFigura, problemPath).image;
        QVERIFY(!figure.isNull());
        const QString pdfPath = m_folder.filePath(QStringLiteral("Stampa.pdf"));
        {
            Worksheet::ScriptedPrint cancelled;
            QCOMPARE(Worksheet::printWithDialog(nullptr, problem, figure, true), QString());
            QCOMPARE(cancelled.showings(), 1);
        }
        QVERIFY(!QFile::exists(pdfPath));
        Worksheet::ScriptedPrint toFile(pdfPath);
        QCOMPARE(Worksheet::printWithDialog(nullptr, problem, figure, true), QString());
        QCOMPARE(toFile.showings(), 1);
        const Pdf pdf = readPdf(pdfPath);
        QVERIFY2(pdf.info.contains(QStringLiteral("595 x 842 pts (A4)")), qPrintable(pdf.info));
        QCOMPARE(pdf.pageCount(), 2);
        QCOMPARE(pdf.images.size(), 1);
        QVERIFY(pdf.pages.last().contains(QStringLiteral("Soluzioni")));
    }

    void fromSolving_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("number"); // -1 for no formula
        QTest::newRow("a formula") << "12" << 12;
        QTest::newRow("beyond the catalogue") << "139" << -1;
        QTest::newRow("leading zero") << "012" << -1;
    }

    // In solving mode a formula is the field's text; the sheet takes as a
    // formula only what the pupil's click could match.
    void fromSolving()
    {
        QFETCH(QString, field);
        QFETCH(int, number);
        SolvingProblem solving;
        solving.formule[2] = field;
        const EditorProblem editor = Worksheet::fromSolving(solving);
        QCOMPARE(editor.formule[2], number < 0 ? std::nullopt : std::optional<int>(number));
    }

private:
    QTemporaryDir m_folder;
};

QTEST_MAIN(TestWorksheet)
#include "tst_worksheet.moc"
