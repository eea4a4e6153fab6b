// The command line read into a request, and the pupil's-machine line of the
// settings file, without any window.
#include "commandline.h"
#include "programsettings.h"
#include "qtitalian.h"
#include "versiontext.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QtTest>

using CommandLine::Request;
Q_DECLARE_METATYPE(std::optional<WorkMode>)

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void parse_data();
    void parse();
    void settingsFile_data();
    void settingsFile();
    void classroomOptions_data();
    void classroomOptions();
};

void TestCommandLine::initTestCase()
{
    QtItalian::install(*QCoreApplication::instance());
    QStandardPaths::setTestModeEnabled(true);
}

void TestCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("settingHidesEditor");
    QTest::addColumn<std::optional<WorkMode>>("mode");
    QTest::addColumn<QString>("file"); // relative to the current folder
    QTest::addColumn<bool>("hideEditor");
    QTest::addColumn<int>("exitCode");   // -1: the program goes on
    QTest::addColumn<QString>("output"); // text the output contains

    const std::optional<WorkMode> start, editor = WorkMode::Editor, solving = WorkMode::Solving;
    const int on = -1, usage = CommandLine::UsageError;
    QTest::newRow("nothing") << QStringList{} << false << start << "" << false << on << "";
    QTest::newRow("file") << QStringList{"Rettangolo.znv"} << false << solving << "Rettangolo.znv"
                          << false << on << "";
    QTest::newRow("missing file, reported once opened")
        << QStringList{"non-esiste.znv"} << false << solving << "non-esiste.znv" << false << on
        << "";
    QTest::newRow("--editor") << QStringList{"--editor"} << false << editor << "" << false << on
                              << "";
    QTest::newRow("--editor FILE") << QStringList{"--editor", "Rombo.znv"} << false << editor
                                   << "Rombo.znv" << false << on << "";
    QTest::newRow("-editor, one dash")
        << QStringList{"-editor"} << false << editor << "" << false << on << "";
    QTest::newRow("--risoluzione")
        << QStringList{"--risoluzione"} << false << solving << "" << false << on << "";
    QTest::newRow("--senza-editor")
        << QStringList{"--senza-editor"} << false << start << "" << true << on << "";
    QTest::newRow("--senza-editor FILE") << QStringList{"--senza-editor", "Rombo.znv"} << false
                                         << solving << "Rombo.znv" << true << on << "";
    QTest::newRow("pupil's machine by the settings file")
        << QStringList{} << true << start << "" << true << on << "";
    QTest::newRow("--editor on a pupil's machine")
        << QStringList{"--editor"} << true << start << "" << true << usage
        << "zenuvio: su questo computer l'editor non è disponibile.";
    QTest::newRow("--editor --senza-editor")
        << QStringList{"--editor", "--senza-editor"} << false << start << "" << false << usage
        << "l'editor non è disponibile";
    QTest::newRow("--editor --risoluzione")
        << QStringList{"--editor", "--risoluzione"} << false << start << "" << false << usage
        << "--editor e --risoluzione non vanno insieme.";
    QTest::newRow("two files") << QStringList{"Rombo.znv", "Quadrato.znv"} << false << start << ""
                               << false << usage << "un problema alla volta";
    QTest::newRow("empty file name") << QStringList{""} << false << start << "" << false << usage
                                     << "il nome del problema è vuoto.";
    // Qt's own texts, from Qt's Italian translation.
    QTest::newRow("unknown option") << QStringList{"--pippo"} << false << start << "" << false
                                    << usage << "zenuvio: Opzione sconosciuta 'pippo'.";
    QTest::newRow("--help") << QStringList{"--help"} << false << start << "" << false << 0
                            << "Utilizzo:";
    QTest::newRow("--version") << QStringList{"--version"} << false << start << "" << false << 0
                               << "Zenuvio " + programVersionText() + "\n";
}

void TestCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, settingHidesEditor);
    QFETCH(std::optional<WorkMode>, mode);
    QFETCH(QString, file);
    QFETCH(bool, hideEditor);
    QFETCH(int, exitCode);
    QFETCH(QString, output);

    const Request request =
        CommandLine::parse(QStringList{"zenuvio"} + arguments, settingHidesEditor);
    QCOMPARE(request.exits, exitCode != -1);
    if (request.exits) {
        QCOMPARE(request.exitCode, exitCode);
        QVERIFY2(request.output.contains(output), qPrintable(request.output));
        if (exitCode != 0) {
            QVERIFY(request.output.startsWith("zenuvio: "));
            QCOMPARE(request.output.count('\n'), 1);
            QVERIFY(request.output.endsWith('\n'));
        }
        return;
    }
    QCOMPARE(request.mode, mode);
    // Made absolute now: the work window changes the current folder.
    QCOMPARE(request.file, file.isEmpty() ? file : QDir::current().absoluteFilePath(file));
    QCOMPARE(request.hideEditor, hideEditor);
}

// The line a technician writes into Zenuvio's settings file.
void TestCommandLine::settingsFile_data()
{
    QTest::addColumn<QByteArray>("content"); // no file at all when null
    QTest::addColumn<bool>("hidden");
    QTest::newRow("no settings file") << QByteArray() << false;
    QTest::newRow("hideEditor=true") << QByteArray("[classroom]\nhideEditor=true\n") << true;
    QTest::newRow("hideEditor=false") << QByteArray("[classroom]\nhideEditor=false\n") << false;
    QTest::newRow("other section") << QByteArray("[other]\nhideEditor=true\n") << false;
}

void TestCommandLine::settingsFile()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, hidden);
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Zenuvio";
    QVERIFY(QDir().mkpath(folder));
    QFile file(folder + "/Zenuvio.conf");
    file.remove();
    if (!content.isNull()) {
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
    }
    QCOMPARE(ProgramSettings::hidesEditor(), hidden);
    file.remove();
}

void TestCommandLine::classroomOptions_data()
{
    // The arguments; then what the request holds: "size noExplanations
    // readAloud pdf withSolutions", or the start of the error line.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("request");
    QTest::newRow("a size") << QStringList{"--dimensione", "200"} << "200 - - - -";
    QTest::newRow("a size with =, and a file")
        << QStringList{"--dimensione=150", "Rombo.znv"} << "150 - - - -";
    QTest::newRow("a size not offered") << QStringList{"--dimensione", "175"}
                                        << "zenuvio: la dimensione può essere 100, 125, 150, 200, "
                                           "250 o 300.";
    QTest::newRow("a class test") << QStringList{"--senza-spiegazioni"} << "0 x - - -";
    QTest::newRow("read aloud") << QStringList{"--leggi-ad-alta-voce"} << "0 - x - -";
    QTest::newRow("a worksheet") << QStringList{"--pdf", "Rombo.znv", "Rombo.pdf"}
                                 << "0 - - Rombo.pdf -";
    QTest::newRow("a worksheet with solutions")
        << QStringList{"--pdf", "Rombo.znv", "Rombo.pdf", "--soluzioni"} << "0 - - Rombo.pdf x";
    QTest::newRow("a worksheet without its PDF")
        << QStringList{"--pdf", "Rombo.znv"}
        << "zenuvio: --pdf vuole il problema e il file PDF da scrivere.";
    QTest::newRow("a worksheet and a window")
        << QStringList{"--pdf", "--editor", "a", "b"} << "zenuvio: --pdf non apre finestre.";
    QTest::newRow("solutions alone")
        << QStringList{"--soluzioni"} << "zenuvio: --soluzioni vale solo con --pdf.";
}

void TestCommandLine::classroomOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, request);
    const Request r = CommandLine::parse(QStringList{"zenuvio"} + arguments);
    if (r.exits) {
        QCOMPARE(r.exitCode, CommandLine::UsageError);
        QVERIFY2(r.output.startsWith(request), qPrintable(r.output));
        return;
    }
    const auto flag = [](bool on) { return on ? QStringLiteral("x") : QStringLiteral("-"); };
    QCOMPARE(QStringList({QString::number(r.size), flag(r.noExplanations), flag(r.readAloud),
                          r.pdf.isEmpty() ? QStringLiteral("-") : QDir().relativeFilePath(r.pdf),
                          flag(r.withSolutions)})
                 .join(' '),
             request);
    // What is read before the application object exists agrees.
    QList<QByteArray> raw{"zenuvio"};
    for (const QString &argument : arguments)
        raw << argument.toLocal8Bit();
    std::vector<char *> argv;
    for (QByteArray &argument : raw)
        argv.push_back(argument.data());
    QCOMPARE(CommandLine::sizeAskedFor(int(argv.size()), argv.data()), r.size);
    QCOMPARE(CommandLine::asksForPdf(int(argv.size()), argv.data()), !r.pdf.isEmpty());
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
