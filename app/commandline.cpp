#include "commandline.h"

#include "versiontext.h"
#include "windowsize.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <algorithm>
#include <iterator>

namespace CommandLine {

namespace {

// The switches: each either chooses the window to open or sets a flag of the
// request.
struct Switch {
    const char *name;
    const char *help;
    std::optional<WorkMode> mode;
    bool Request::*flag;
};

// clang-format off
const Switch Switches[] = {
    {"editor", "Apre l'editor, vuoto o con il problema indicato, invece della finestra iniziale.",
     WorkMode::Editor, nullptr},
    {"risoluzione", "Apre la risoluzione, vuota o con il problema indicato, invece della "
                    "finestra iniziale.",
     WorkMode::Solving, nullptr},
    {"senza-editor", "Computer degli alunni: la finestra iniziale non offre \"Editor\" (come la "
                     "riga classroom/hideEditor=true nel file delle impostazioni).",
     std::nullopt, &Request::hideEditor},
    {"senza-spiegazioni", "Per una verifica in classe: accanto a \"Errato\" e \"Errata\" non "
                          "compare la spiegazione dell'errore.",
     std::nullopt, &Request::noExplanations},
    {"forme-equivalenti", "Accetta una risposta con il valore e l'unità giusti scritti in "
                          "un'altra forma (\"15,0 cm\", \"60 cmq\"), come nella riga "
                          "solving/equivalentForms=true del file delle impostazioni.",
     std::nullopt, &Request::equivalentForms},
    {"leggi-ad-alta-voce", "Legge ad alta voce i messaggi, le spiegazioni e le formule (solo per "
                           "questa volta; dalla finestra iniziale si sceglie per sempre).",
     std::nullopt, &Request::readAloud},
    {"soluzioni", "Con --pdf: aggiunge la pagina delle soluzioni.",
     std::nullopt, &Request::withSolutions},
    {"controlla", "Controlla la soluzione dei problemi indicati: per ogni passaggio dice se il "
                  "risultato torna con la formula e i dati. Esce con 0 se tutto torna, 1 se "
                  "qualcosa non torna, 2 se un file non si legge.",
     std::nullopt, &Request::checkKeys},
    {"risultati", "Apre \"Risultati della classe\" per la cartella dei risultati indicata (senza "
                  "cartella: quella della riga results/folder delle impostazioni, o "
                  "Documenti/Zenuvio/Risultati).",
     std::nullopt, &Request::classResults},
    {"riepilogo", "Scrive i risultati della classe della CARTELLA indicata nel file CSV indicato "
                  "dopo, senza aprire finestre.",
     std::nullopt, &Request::summary},
};
// clang-format on

const char *const Program = "zenuvio";

// "100, 125, 150, 200, 250 o 300"
QString sizeList()
{
    QStringList sizes;
    for (int percent : WindowSize::Percents)
        sizes << QString::number(percent);
    const QString last = sizes.takeLast();
    return sizes.join(QStringLiteral(", ")) + QStringLiteral(" o ") + last;
}

// The value after `--name` or in `--name=value` (one dash will do), or nothing.
std::optional<QByteArray> rawOption(int argc, char **argv, const QByteArray &name)
{
    for (int i = 1; i < argc; ++i) {
        QByteArray argument(argv[i]);
        if (argument.startsWith("--"))
            argument.remove(0, 1);
        if (argument == "-" + name)
            return i + 1 < argc ? QByteArray(argv[i + 1]) : QByteArray();
        if (argument.startsWith("-" + name + "="))
            return argument.mid(name.size() + 2);
    }
    return std::nullopt;
}

Request exitWith(int code, const QString &output)
{
    Request request;
    request.exits = true;
    request.exitCode = code;
    request.output = output;
    return request;
}

// One line on stderr, and the way to the help.
Request usageError(const QString &what)
{
    return exitWith(UsageError, QString::fromLatin1(Program) + QStringLiteral(": ") + what +
                                    QStringLiteral(" Per l'aiuto: %1 --help\n").arg(Program));
}

// Every option and the problem file, for parse() and forRestart().
void addOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Zenuvio: problemi di geometria piana (perimetro, area, teorema di "
                       "Pitagora).\nSenza argomenti apre la finestra iniziale."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Our own help switch: Qt's would add --help-all, for options of Qt's that
    // do not concern a teacher, and its texts have no Italian translation.
    parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Mostra questa guida.")));
    parser.addVersionOption();
    for (const Switch &s : Switches)
        parser.addOption(QCommandLineOption(QLatin1String(s.name), QString::fromUtf8(s.help)));
    parser.addOption(QCommandLineOption(
        QStringLiteral("dimensione"),
        QStringLiteral("La dimensione delle finestre, per la lavagna interattiva: %1.")
            .arg(sizeList()),
        QStringLiteral("PERCENTO")));
    parser.addOption(QCommandLineOption(QStringLiteral("pdf"),
                                        QStringLiteral("Scrive la scheda del problema FILE.znv nel "
                                                       "file PDF indicato dopo, senza aprire "
                                                       "finestre.")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("alunno"),
        QStringLiteral("Il nome dell'alunno (come nel campo \"Nome\" della finestra iniziale): "
                       "ogni problema che risolve viene registrato nella cartella dei risultati."),
        QStringLiteral("NOME")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("registro"),
        QStringLiteral("La cartella dei risultati degli alunni, invece di quella delle "
                       "impostazioni (results/folder; di solito Documenti/Zenuvio/Risultati)."),
        QStringLiteral("CARTELLA")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("varianti"),
        QStringLiteral("Scrive N varianti del problema FILE.znv con numeri nuovi nella cartella "
                       "indicata dopo: i problemi (NOME-01.znv ...) con la figura, le schede "
                       "(NOME-schede.pdf) e le soluzioni (NOME-soluzioni.pdf); N da 1 a 99. "
                       "Senza aprire finestre."),
        QStringLiteral("N")));
    parser.addPositionalArgument(
        QStringLiteral("FILE.znv"),
        QStringLiteral("Il problema da aprire: nella risoluzione, o nell'editor con --editor; "
                       "con --pdf, seguito dal nome del file PDF; con --varianti, seguito dalla "
                       "cartella."),
        QStringLiteral("[FILE.znv [SCHEDA.pdf]]"));
}

} // namespace

Request parse(const QStringList &arguments, bool settingHidesEditor)
{
    QCommandLineParser parser;
    addOptions(parser);
    const QString help = QStringLiteral("help");
    const QString version = QStringLiteral("version");
    const QString size = QStringLiteral("dimensione");
    const QString pdf = QStringLiteral("pdf");
    const QString variants = QStringLiteral("varianti");
    const QString pupil = QStringLiteral("alunno");
    const QString results = QStringLiteral("registro");
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help))
        return exitWith(0, parser.helpText());
    if (parser.isSet(version))
        return exitWith(0, QStringLiteral("Zenuvio %1\n").arg(programVersionText()));

    Request request;
    for (const Switch &s : Switches) {
        if (!parser.isSet(QLatin1String(s.name)))
            continue;
        if (s.flag) {
            request.*s.flag = true;
            continue;
        }
        if (request.mode)
            return usageError(QStringLiteral("--editor e --risoluzione non vanno insieme."));
        request.mode = s.mode;
    }
    if (parser.isSet(size)) {
        bool number = false;
        request.size = parser.value(size).toInt(&number);
        if (!number || WindowSize::listed(request.size) != request.size)
            return usageError(QStringLiteral("la dimensione può essere %1.").arg(sizeList()));
    }
    if (parser.isSet(pupil))
        request.pupil = parser.value(pupil);
    if (parser.isSet(results)) {
        if (parser.value(results).isEmpty())
            return usageError(QStringLiteral("--registro vuole il nome di una cartella."));
        request.resultsFolder = QFileInfo(parser.value(results)).absoluteFilePath();
    }
    if (parser.isSet(pdf)) {
        const QStringList files = parser.positionalArguments();
        if (files.size() != 2 || files.contains(QString()))
            return usageError(QStringLiteral("--pdf vuole il problema e il file PDF da scrivere."));
        if (request.mode)
            return usageError(QStringLiteral("--pdf non apre finestre."));
        request.file = QFileInfo(files.at(0)).absoluteFilePath();
        request.pdf = QFileInfo(files.at(1)).absoluteFilePath();
        return request;
    }
    if (parser.isSet(variants)) {
        bool number = false;
        request.variants = parser.value(variants).toInt(&number);
        if (!number || request.variants < 1 || request.variants > 99)
            return usageError(QStringLiteral("il numero delle varianti va da 1 a 99."));
        const QStringList files = parser.positionalArguments();
        if (files.size() != 2 || files.contains(QString()))
            return usageError(
                QStringLiteral("--varianti vuole il numero, il problema e la cartella."));
        if (request.mode)
            return usageError(QStringLiteral("--varianti non apre finestre."));
        request.file = QFileInfo(files.at(0)).absoluteFilePath();
        request.variantsFolder = QFileInfo(files.at(1)).absoluteFilePath();
        return request;
    }
    if (request.checkKeys) {
        const QStringList files = parser.positionalArguments();
        if (files.isEmpty() || files.contains(QString()))
            return usageError(QStringLiteral("--controlla vuole uno o più problemi."));
        if (request.mode)
            return usageError(QStringLiteral("--controlla non apre finestre."));
        for (const QString &file : files)
            request.checkFiles.append(QFileInfo(file).absoluteFilePath());
        return request;
    }
    if (request.summary || request.classResults) {
        const QStringList files = parser.positionalArguments();
        if (request.mode || (request.summary && request.classResults))
            return usageError(QStringLiteral("--risultati e --riepilogo vanno da soli."));
        if (request.summary && (files.size() != 2 || files.contains(QString())))
            return usageError(
                QStringLiteral("--riepilogo vuole la cartella dei risultati e il file CSV."));
        if (request.classResults && files.size() > 1)
            return usageError(QStringLiteral("--risultati vuole al più una cartella."));
        if (!files.isEmpty() && !files.first().isEmpty())
            request.resultsFolder = QFileInfo(files.first()).absoluteFilePath();
        if (request.summary)
            request.csv = QFileInfo(files.at(1)).absoluteFilePath();
        return request;
    }
    if (request.withSolutions)
        return usageError(QStringLiteral("--soluzioni vale solo con --pdf."));
    request.hideEditor = request.hideEditor || settingHidesEditor;
    if (request.hideEditor && request.mode == WorkMode::Editor)
        return usageError(QStringLiteral("su questo computer l'editor non è disponibile."));

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return usageError(
            QStringLiteral("si apre un problema alla volta, non %1.").arg(files.size()));
    if (!files.isEmpty()) {
        if (files.first().isEmpty())
            return usageError(QStringLiteral("il nome del problema è vuoto."));
        request.file = QFileInfo(files.first()).absoluteFilePath();
        if (!request.mode)
            request.mode = WorkMode::Solving;
    }
    return request;
}

QStringList forRestart(const QStringList &arguments)
{
    QCommandLineParser parser;
    addOptions(parser);
    parser.parse(arguments);
    QStringList kept = arguments.mid(0, 1);
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--"))
            break; // only files follow
        if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-"))
            continue; // a file
        const QString name =
            argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1).section('=', 0, 0);
        const bool choosesMode =
            std::any_of(std::begin(Switches), std::end(Switches), [&name](const Switch &s) {
                return s.mode && name == QLatin1String(s.name);
            });
        if (choosesMode)
            continue;
        kept << argument;
        // An option with its value in the next argument keeps it.
        if (!argument.contains(QLatin1Char('=')) && !parser.values(name).isEmpty() &&
            i + 1 < arguments.size())
            kept << arguments.at(++i);
    }
    return kept;
}

bool needsNoSettings(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        QByteArray argument(argv[i]);
        if (argument == "--")
            return false;
        if (argument.startsWith("--"))
            argument.remove(0, 1);
        for (const char *name : {"-h", "-help", "-v", "-version", "-pdf"}) {
            if (argument == name)
                return true;
        }
    }
    return false;
}

int sizeAskedFor(int argc, char **argv)
{
    return rawOption(argc, argv, "dimensione").value_or(QByteArray()).toInt();
}

bool asksForSummary(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--riepilogo" || argument == "-riepilogo")
            return true;
    }
    return false;
}

bool asksForPdf(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--pdf" || argument == "-pdf" || argument == "--controlla" ||
            argument == "-controlla" || argument == "--varianti" || argument == "-varianti" ||
            argument.startsWith("--varianti=") || argument.startsWith("-varianti="))
            return true;
    }
    return false;
}

bool asksForTextOnly(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        for (const char *option : {"h", "help", "v", "version"})
            if (argument == QByteArray("-") + option || argument == QByteArray("--") + option)
                return true;
    }
    return false;
}

} // namespace CommandLine
