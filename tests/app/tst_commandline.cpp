// The command line read into a request, and the arguments of a restart at
// another size, without any window.
#include "commandline.h"
#include "qtitalian.h"
#include "versiontext.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
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
                                                   {r.equivalentForms, "forme-equivalenti"},
                                                   {r.readAloud, "leggi"},
                                                   {r.withSolutions, "soluzioni"}};
    for (const auto &[on, word] : flags)
        if (on)
            words << word;
    if (r.size)
        words << QStringLiteral("dimensione %1").arg(r.size);
    if (!r.pdf.isEmpty())
        words << "pdf " + QDir::current().relativeFilePath(r.pdf);
    if (r.pupil)
        words << "alunno «" + *r.pupil + "»";
    if (!r.resultsFolder.isEmpty() && !r.classResults && !r.summary)
        words << "registro " + QDir::current().relativeFilePath(r.resultsFolder);
    if (r.checkKeys)
        words << "controlla";
    if (r.variants > 0)
        words << QString("varianti %1 %2 %3")
                     .arg(r.variants)
                     .arg(QDir::current().relativeFilePath(r.file),
                          QDir::current().relativeFilePath(r.variantsFolder));
    for (const QString &file : r.checkFiles)
        words << QDir::current().relativeFilePath(file);
    if (r.classResults)
        words << "risultati " + QDir::current().relativeFilePath(r.resultsFolder);
    if (r.summary)
        words << "riepilogo " + QDir::current().relativeFilePath(r.resultsFolder) + " " +
                     QDir::current().relativeFilePath(r.csv);
    return words.join(' ');
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void parse_data();
    void parse();
    void withoutDisplay_data();
    void withoutDisplay();
    void everyOptionIsDocumented_data();
    void everyOptionIsDocumented();
    void forRestart_data();
    void forRestart();
};

void TestCommandLine::initTestCase()
{
    QtItalian::install(*QCoreApplication::instance());
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
        << QStringList{"--dimensione", "180"} << false
        << "zenuvio: la dimensione può essere 100, 125, 150, 175, 200, 250 o 300.";
    QTest::newRow("the smallest int as a size")
        << QStringList{"--dimensione", "-2147483648"} << false
        << "zenuvio: la dimensione può essere 100, 125, 150, 175, 200, 250 o 300.";
    QTest::newRow("a class test, read aloud, a size")
        << QStringList{"--senza-spiegazioni", "--leggi-ad-alta-voce", "--dimensione", "200"}
        << false << "inizio senza-spiegazioni leggi dimensione 200";
    QTest::newRow("judged by value, a file") << QStringList{"--forme-equivalenti", "Rombo.znv"}
                                             << false << "risoluzione Rombo.znv forme-equivalenti";
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
    QTest::newRow("class results")
        << QStringList{"--risultati", "classe"} << false << "inizio risultati classe";
    // No folder: the one of the settings, chosen when the window opens.
    QTest::newRow("class results, no folder")
        << QStringList{"--risultati"} << false << "inizio risultati ";
    QTest::newRow("class results, two folders")
        << QStringList{"--risultati", "a", "b"} << false
        << "zenuvio: --risultati vuole al più una cartella.";
    QTest::newRow("summary") << QStringList{"--riepilogo", "classe", "classe.csv"} << false
                             << "inizio riepilogo classe classe.csv";
    QTest::newRow("summary without the file")
        << QStringList{"--riepilogo", "classe"} << false
        << "zenuvio: --riepilogo vuole la cartella dei risultati e il file CSV.";
    QTest::newRow("summary and a window")
        << QStringList{"--riepilogo", "--editor", "a", "b"} << false
        << "zenuvio: --risultati e --riepilogo vanno da soli.";
    QTest::newRow("solutions alone")
        << QStringList{"--soluzioni"} << false << "zenuvio: --soluzioni vale solo con --pdf.";
    QTest::newRow("a pupil and a results folder")
        << QStringList{"--alunno", "Anna B.", "--registro=Risultati", "Rombo.znv"} << false
        << "risoluzione Rombo.znv alunno «Anna B.» registro Risultati";
    QTest::newRow("an empty name: nothing kept")
        << QStringList{"--alunno", ""} << false << "inizio alunno «»";
    QTest::newRow("a results folder without a name")
        << QStringList{"--registro", ""} << false
        << "zenuvio: --registro vuole il nome di una cartella.";
    QTest::newRow("a pupil's name missing")
        << QStringList{"--alunno"} << false << "zenuvio: Valore mancante dopo '--alunno'.";
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
    QList<QByteArray> raw{"zenuvio"};
    for (const QString &argument : arguments)
        raw << argument.toLocal8Bit();
    std::vector<char *> argv;
    for (QByteArray &argument : raw)
        argv.push_back(argument.data());
    if (r.exits && r.exitCode == 0) {
        QVERIFY2(r.output.contains(request), qPrintable(r.output));
        // The help and the version never open the settings.
        QVERIFY(CommandLine::needsNoSettings(int(argv.size()), argv.data()));
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
        QCOMPARE(CommandLine::needsNoSettings(int(argv.size()), argv.data()), !r.pdf.isEmpty());
        QCOMPARE(CommandLine::sizeAskedFor(int(argv.size()), argv.data()), r.size);
        QCOMPARE(CommandLine::asksForPdf(int(argv.size()), argv.data()),
                 !r.pdf.isEmpty() || r.checkKeys || r.variants > 0);
        QCOMPARE(CommandLine::asksForSummary(int(argv.size()), argv.data()), r.summary);
    }
}

void TestCommandLine::forRestart_data()
{
    // The arguments of the first start, and those of a restart at a size the
    // user chose: into the start window, with every other option.
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("restart");
    QTest::newRow("nothing") << QStringList{} << QStringList{};
    QTest::newRow("a file") << QStringList{"Rettangolo.znv"} << QStringList{};
    QTest::newRow("a mode and a file, options kept")
        << QStringList{"--senza-spiegazioni", "--editor", "Rombo.znv", "--leggi-ad-alta-voce"}
        << QStringList{"--senza-spiegazioni", "--leggi-ad-alta-voce"};
    QTest::newRow("one dash, =") << QStringList{"-risoluzione", "-dimensione=150", "a.znv"}
                                 << QStringList{"-dimensione=150"};
    QTest::newRow("a size's value is not a file")
        << QStringList{"--dimensione", "200", "a.znv", "--senza-editor"}
        << QStringList{"--dimensione", "200", "--senza-editor"};
    QTest::newRow("files after --")
        << QStringList{"--senza-editor", "--", "--editor"} << QStringList{"--senza-editor"};
}

void TestCommandLine::forRestart()
{
    QFETCH(QStringList, first);
    QFETCH(QStringList, restart);
    QCOMPARE(CommandLine::forRestart(QStringList{"zenuvio"} + first),
             QStringList{"zenuvio"} + restart);
}

// The help and the version need no window system: the program answers them
// with no display and no platform named, with the texts parse() gives.
void TestCommandLine::withoutDisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("--help") << QStringList{"--help"};
    QTest::newRow("-h with a mode") << QStringList{"--editor", "-h"};
    QTest::newRow("--version") << QStringList{"--version"};
}

void TestCommandLine::withoutDisplay()
{
    QFETCH(QStringList, arguments);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(ZENUVIO_PROGRAM, arguments);
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    // The help names the program as it was started.
    QString expected = CommandLine::parse(QStringList{"zenuvio"} + arguments).output;
    expected.replace(QCoreApplication::arguments().first(), ZENUVIO_PROGRAM);
    QCOMPARE(QString::fromLocal8Bit(program.readAllStandardOutput()), expected);
}

// Every option the program lists in its --help, those added later included,
// is told in the help file and in both manual pages (where a dash is "\-").
void TestCommandLine::everyOptionIsDocumented_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("dash");
    QTest::newRow("help file") << "resources/beside/Aiuto.HLP"
                               << "-";
    QTest::newRow("manual page") << "packaging/zenuvio.1"
                                 << "\\\\-";
    QTest::newRow("Italian manual page") << "packaging/zenuvio.it.1"
                                         << "\\\\-";
}

void TestCommandLine::everyOptionIsDocumented()
{
    QFETCH(QString, document);
    QFETCH(QString, dash);
    const QString help = CommandLine::parse({"zenuvio", "--help"}, false).output;
    QStringList options;
    for (auto it = QRegularExpression("--[a-z][a-z-]*").globalMatch(help); it.hasNext();)
        options << it.next().captured();
    options.removeDuplicates();
    QVERIFY2(options.size() >= 10, qPrintable(options.join(' ')));
    QFile file(QStringLiteral(ZENUVIO_SOURCE_DIR "/") + document);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QStringList missing;
    for (const QString &option : options) {
        // The whole option, not the start of a longer one (--editor in --senza-editor is fine).
        const QString written = QString(option).replace("-", dash);
        if (!text.contains(QRegularExpression(written + "(?![a-z]|\\\\?-[a-z])")))
            missing << option;
    }
    QCOMPARE(missing.join(" "), QString());
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
