// The command line read into a request, and the arguments of a restart at
// another size, without any window.
#include "commandline.h"
#include "qtitalian.h"
#include "versiontext.h"

#include <QDir>
#include <QtTest>

namespace {

// A request in a few words: the window ("inizio", "editor", "risoluzione"),
// the problem and then what else is asked for.
QString described(const CommandLine::Request &r)
{
    const auto path = [](const QString &file) { return QDir::current().relativeFilePath(file); };
    QStringList words{!r.mode ? "inizio" : r.mode == WorkMode::Editor ? "editor" : "risoluzione"};
    if (!r.file.isEmpty())
        words << path(r.file);
    QStringList checked;
    for (const QString &file : r.checkFiles)
        checked << path(file);
    const std::pair<bool, QString> parts[] = {
        {r.hideEditor, "senza-editor"},
        {r.noExplanations, "senza-spiegazioni"},
        {r.equivalentForms, "forme-equivalenti"},
        {r.readAloud, "leggi"},
        {r.withSolutions, "soluzioni"},
        {r.size != 0, QString("dimensione %1").arg(r.size)},
        {!r.pdf.isEmpty(), "pdf " + path(r.pdf)},
        {bool(r.pupil), "alunno «" + r.pupil.value_or("") + "»"},
        {!r.resultsFolder.isEmpty() && !r.classResults && !r.summary,
         "registro " + path(r.resultsFolder)},
        {r.checkKeys, "controlla"},
        {r.variants > 0,
         QString("varianti %1 %2 %3").arg(r.variants).arg(path(r.file), path(r.variantsFolder))},
        {!checked.isEmpty(), checked.join(' ')},
        {r.classResults, "risultati " + path(r.resultsFolder)},
        {r.summary, "riepilogo " + path(r.resultsFolder) + " " + path(r.csv)}};
    for (const auto &[on, part] : parts)
        if (on)
            words << part;
    return words.join(' ');
}

// The arguments, the request in words or the one line of a mistake after
// "zenuvio: " (or, for the exit status 0, text the output contains), and the
// settings file's hideEditor.
void row(const char *tag, const QStringList &arguments, const QString &request,
         bool settingHidesEditor = false)
{
    QTest::newRow(tag) << arguments << settingHidesEditor << request;
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QtItalian::install(*QCoreApplication::instance()); }

    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("setting");
        QTest::addColumn<QString>("request");
        row("nothing", {}, "inizio");
        row("file", {"Rettangolo.znv"}, "risoluzione Rettangolo.znv");
        row("--editor FILE", {"--editor", "Rombo.znv"}, "editor Rombo.znv");
        row("-editor, one dash", {"-editor"}, "editor");
        row("--senza-editor", {"--senza-editor"}, "inizio senza-editor");
        row("pupil's machine by the settings file", {}, "inizio senza-editor", true);
        row("--editor on a pupil's machine", {"--editor"},
            "su questo computer l'editor non è disponibile.", true);
        row("--editor --risoluzione", {"--editor", "--risoluzione"},
            "--editor e --risoluzione non vanno insieme.");
        row("two files", {"Rombo.znv", "Quadrato.znv"}, "si apre un problema alla volta, non 2.");
        row("empty file name", {""}, "il nome del problema è vuoto.");
        row("a size with =, a file", {"--dimensione=150", "Rombo.znv"},
            "risoluzione Rombo.znv dimensione 150");
        row("a size not offered", {"--dimensione", "180"},
            "la dimensione può essere 100, 125, 150, 175, 200, 250 o "
            "300.");
        row("a class test, read aloud, a size",
            {"--senza-spiegazioni", "--leggi-ad-alta-voce", "--dimensione", "200"},
            "inizio senza-spiegazioni leggi dimensione 200");
        row("judged by value, a file", {"--forme-equivalenti", "Rombo.znv"},
            "risoluzione Rombo.znv forme-equivalenti");
        row("a worksheet with solutions", {"--pdf", "Rombo.znv", "Rombo.pdf", "--soluzioni"},
            "inizio Rombo.znv soluzioni pdf Rombo.pdf");
        row("a worksheet without its PDF", {"--pdf", "Rombo.znv"},
            "--pdf vuole il problema e il file PDF da scrivere.");
        row("key check of two files", {"--controlla", "Rombo.znv", "Quadrato.znv"},
            "inizio controlla Rombo.znv Quadrato.znv");
        row("key check of no file", {"--controlla"}, "--controlla vuole uno o più problemi.");
        row("key check and a window", {"--controlla", "--editor", "a"},
            "--controlla non apre finestre.");
        row("variants", {"--varianti", "25", "Rombo.znv", "verifica"},
            "inizio Rombo.znv varianti 25 Rombo.znv verifica");
        row("variants without folder", {"--varianti", "3", "Rombo.znv"},
            "--varianti vuole il numero, il problema e la cartella.");
        row("variants and a window", {"--varianti", "3", "--editor", "a", "b"},
            "--varianti non apre finestre.");
        row("a worksheet and a window", {"--pdf", "--editor", "a", "b"},
            "--pdf non apre finestre.");
        row("class results", {"--risultati", "classe"}, "inizio risultati classe");
        row("class results, no folder", {"--risultati"}, "inizio risultati ");
        row("class results, two folders", {"--risultati", "a", "b"},
            "--risultati vuole al più una cartella.");
        row("summary", {"--riepilogo", "classe", "classe.csv"},
            "inizio riepilogo classe classe.csv");
        row("summary without the file", {"--riepilogo", "classe"},
            "--riepilogo vuole la cartella dei risultati e il file CSV.");
        row("summary and a window", {"--riepilogo", "--editor", "a", "b"},
            "--risultati e --riepilogo vanno da soli.");
        row("solutions alone", {"--soluzioni"}, "--soluzioni vale solo con --pdf.");
        row("a pupil and a results folder",
            {"--alunno", "Anna B.", "--registro=Risultati", "Rombo.znv"},
            "risoluzione Rombo.znv alunno «Anna B.» registro Risultati");
        row("an empty name", {"--alunno", ""}, "inizio alunno «»");
        row("a results folder without a name", {"--registro", ""},
            "--registro vuole il nome di una cartella.");
        // Qt's own texts, from Qt's Italian translation.
        row("a pupil's name missing", {"--alunno"}, "Valore mancante dopo '--alunno'.");
        row("unknown option", {"--pippo"}, "Opzione sconosciuta 'pippo'.");
        row("-h with a mode", {"--editor", "-h"}, "Utilizzo:");
        row("--version", {"--version"}, "Zenuvio " + programVersionText() + "\n");
    }
    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, setting);
        QFETCH(QString, request);
        const CommandLine::Request r =
            CommandLine::parse(QStringList{"zenuvio"} + arguments, setting);
        QList<QByteArray> raw{"zenuvio"};
        for (const QString &argument : arguments)
            raw << argument.toLocal8Bit();
        std::vector<char *> argv;
        for (QByteArray &argument : raw)
            argv.push_back(argument.data());
        const int argc = int(argv.size());
        if (r.exits && r.exitCode == 0) {
            QVERIFY2(r.output.contains(request), qPrintable(r.output));
            // The help and the version never open the settings.
            QVERIFY(CommandLine::needsNoSettings(argc, argv.data()));
        } else if (r.exits) {
            // One line on stderr, ending with the way to the help.
            QCOMPARE(r.exitCode, CommandLine::UsageError);
            QCOMPARE(r.output, "zenuvio: " + request + " Per l'aiuto: zenuvio --help\n");
        } else {
            QCOMPARE(described(r), request);
            // Made absolute now: the work window changes the current folder.
            QVERIFY(r.file.isEmpty() || QDir::isAbsolutePath(r.file));
            // What is read before the application object exists agrees.
            QCOMPARE(CommandLine::needsNoSettings(argc, argv.data()), !r.pdf.isEmpty());
            QCOMPARE(CommandLine::sizeAskedFor(argc, argv.data()), r.size);
            QCOMPARE(CommandLine::asksForPdf(argc, argv.data()),
                     !r.pdf.isEmpty() || r.checkKeys || r.variants > 0);
            QCOMPARE(CommandLine::asksForSummary(argc, argv.data()), r.summary);
        }
    }

    // The arguments of the first start, and those of a restart at a size the
    // user chose: into the start window, with every other option.
    void forRestart_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("restart");
        QTest::newRow("a file") << "Rettangolo.znv"
                                << "";
        QTest::newRow("a mode and a file, options kept")
            << "--senza-spiegazioni --editor Rombo.znv --leggi-ad-alta-voce"
            << "--senza-spiegazioni --leggi-ad-alta-voce";
        QTest::newRow("one dash, =") << "-risoluzione -dimensione=150 a.znv"
                                     << "-dimensione=150";
        QTest::newRow("a size's value is not a file") << "--dimensione 200 a.znv --senza-editor"
                                                      << "--dimensione 200 --senza-editor";
        QTest::newRow("files after --") << "--senza-editor -- --editor"
                                        << "--senza-editor";
    }
    void forRestart()
    {
        QFETCH(QString, first);
        QFETCH(QString, restart);
        const auto words = [](const QString &line) {
            return ("zenuvio " + line).split(' ', Qt::SkipEmptyParts);
        };
        QCOMPARE(CommandLine::forRestart(words(first)), words(restart));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
