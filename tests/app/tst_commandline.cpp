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

namespace {

// A request in a few words: the window ("inizio", "editor", "risoluzione"),
// the problem and then what else is asked for.
QString described(const CommandLine::Request &r)
{
    QStringList words{!r.mode ? "inizio" : r.mode == WorkMode::Editor ? "editor" : "risoluzione"};
    if (!r.file.isEmpty())
        words << QDir::current().relativeFilePath(r.file);
    const std::pair<bool, const char *> flags[] = {{r.hideEditor, "senza-editor"},
                                                   {r.noExplanations, "senza-spiegazioni"},
                                                   {r.readAloud, "leggi"},
                                                   {r.withSolutions, "soluzioni"}};
    for (const auto &[on, word] : flags)
        if (on)
            words << word;
    if (r.size)
        words << QStringLiteral("dimensione %1").arg(r.size);
    if (!r.pdf.isEmpty())
        words << "pdf " + QDir::current().relativeFilePath(r.pdf);
    if (r.checkKeys)
        words << "controlla";
    if (r.variants > 0)
        words << QString("varianti %1 %2 %3")
                     .arg(r.variants)
                     .arg(QDir::current().relativeFilePath(r.file),
                          QDir::current().relativeFilePath(r.variantsFolder));
    for (const QString &file : r.checkFiles)
        words << QDir::current().relativeFilePath(file);
    return words.join(' ');
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void parse_data();
    void parse();
    void settingsFile_data();
    void settingsFile();
};

void TestCommandLine::initTestCase()
{
    QtItalian::install(*QCoreApplication::instance());
    QStandardPaths::setTestModeEnabled(true);
}

void TestCommandLine::parse_data()
{
    // The arguments, the settings file's hideEditor, and the request in words;
    // or the start of the one line of a mistake; or, for the exit status 0,
    // text the output contains.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("setting");
    QTest::addColumn<QString>("request");

    QTest::newRow("nothing") << QStringList{} << false << "inizio";
    QTest::newRow("file") << QStringList{"Rettangolo.znv"} << false << "risoluzione Rettangolo.znv";
    QTest::newRow("--editor FILE")
        << QStringList{"--editor", "Rombo.znv"} << false << "editor Rombo.znv";
    QTest::newRow("-editor, one dash") << QStringList{"-editor"} << false << "editor";
    QTest::newRow("--risoluzione") << QStringList{"--risoluzione"} << false << "risoluzione";
    QTest::newRow("--senza-editor")
        << QStringList{"--senza-editor"} << false << "inizio senza-editor";
    QTest::newRow("pupil's machine by the settings file")
        << QStringList{} << true << "inizio senza-editor";
    QTest::newRow("--editor on a pupil's machine")
        << QStringList{"--editor"} << true
        << "zenuvio: su questo computer l'editor non è disponibile.";
    QTest::newRow("--editor --risoluzione")
        << QStringList{"--editor", "--risoluzione"} << false
        << "zenuvio: --editor e --risoluzione non vanno insieme.";
    QTest::newRow("two files") << QStringList{"Rombo.znv", "Quadrato.znv"} << false
                               << "zenuvio: si apre un problema alla volta, non 2.";
    QTest::newRow("empty file name")
        << QStringList{""} << false << "zenuvio: il nome del problema è vuoto.";
    QTest::newRow("a size with =, a file") << QStringList{"--dimensione=150", "Rombo.znv"} << false
                                           << "risoluzione Rombo.znv dimensione 150";
    QTest::newRow("a size not offered")
        << QStringList{"--dimensione", "175"} << false
        << "zenuvio: la dimensione può essere 100, 125, 150, 200, 250 o 300.";
    QTest::newRow("a class test, read aloud, a size")
        << QStringList{"--senza-spiegazioni", "--leggi-ad-alta-voce", "--dimensione", "200"}
        << false << "inizio senza-spiegazioni leggi dimensione 200";
    QTest::newRow("a worksheet with solutions")
        << QStringList{"--pdf", "Rombo.znv", "Rombo.pdf", "--soluzioni"} << false
        << "inizio Rombo.znv soluzioni pdf Rombo.pdf";
    QTest::newRow("a worksheet without its PDF")
        << QStringList{"--pdf", "Rombo.znv"} << false
        << "zenuvio: --pdf vuole il problema e il file PDF da scrivere.";
    QTest::newRow("key check of two files")
        << QStringList{"--controlla", "Rombo.znv", "Quadrato.znv"} << false
        << "inizio controlla Rombo.znv Quadrato.znv";
    QTest::newRow("key check of no file")
        << QStringList{"--controlla"} << false << "zenuvio: --controlla vuole uno o più problemi.";
    QTest::newRow("key check and a window") << QStringList{"--controlla", "--editor", "a"} << false
                                            << "zenuvio: --controlla non apre finestre.";
    QTest::newRow("variants") << QStringList{"--varianti", "25", "Rombo.znv", "verifica"} << false
                              << "inizio Rombo.znv varianti 25 Rombo.znv verifica";
    QTest::newRow("variants without folder")
        << QStringList{"--varianti", "3", "Rombo.znv"} << false
        << "zenuvio: --varianti vuole il numero, il problema e la cartella.";
    QTest::newRow("variants and a window") << QStringList{"--varianti", "3", "--editor", "a", "b"}
                                           << false << "zenuvio: --varianti non apre finestre.";
    QTest::newRow("a worksheet and a window") << QStringList{"--pdf", "--editor", "a", "b"} << false
                                              << "zenuvio: --pdf non apre finestre.";
    QTest::newRow("solutions alone")
        << QStringList{"--soluzioni"} << false << "zenuvio: --soluzioni vale solo con --pdf.";
    // Qt's own texts, from Qt's Italian translation.
    QTest::newRow("unknown option")
        << QStringList{"--pippo"} << false << "zenuvio: Opzione sconosciuta 'pippo'.";
    QTest::newRow("--help") << QStringList{"--help"} << false << "Utilizzo:";
    QTest::newRow("--version") << QStringList{"--version"} << false
                               << "Zenuvio " + programVersionText() + "\n";
}

void TestCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, setting);
    QFETCH(QString, request);

    const CommandLine::Request r = CommandLine::parse(QStringList{"zenuvio"} + arguments, setting);
    if (r.exits && r.exitCode == 0) {
        QVERIFY2(r.output.contains(request), qPrintable(r.output));
    } else if (r.exits) {
        // One line on stderr, ending with the way to the help.
        QCOMPARE(r.exitCode, CommandLine::UsageError);
        QVERIFY2(r.output.startsWith(request + " Per l'aiuto: zenuvio --help\n"),
                 qPrintable(r.output));
        QCOMPARE(r.output.count('\n'), 1);
    } else {
        QCOMPARE(described(r), request);
        // Made absolute now: the work window changes the current folder.
        QVERIFY(r.file.isEmpty() || QDir::isAbsolutePath(r.file));
        // What is read before the application object exists agrees.
        QList<QByteArray> raw{"zenuvio"};
        for (const QString &argument : arguments)
            raw << argument.toLocal8Bit();
        std::vector<char *> argv;
        for (QByteArray &argument : raw)
            argv.push_back(argument.data());
        QCOMPARE(CommandLine::sizeAskedFor(int(argv.size()), argv.data()), r.size);
        QCOMPARE(CommandLine::asksForPdf(int(argv.size()), argv.data()),
                 !r.pdf.isEmpty() || r.checkKeys || r.variants > 0);
    }
}

// The line a technician writes into Zenuvio's settings file.
void TestCommandLine::settingsFile_data()
{
    QTest::addColumn<QByteArray>("content"); // no file at all when null
    QTest::addColumn<bool>("hidden");
    QTest::newRow("no settings file") << QByteArray() << false;
    QTest::newRow("hideEditor=true") << QByteArray("[classroom]\nhideEditor=true\n") << true;
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

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
