#include "commandline.h"

#include "versiontext.h"
#include "windowsize.h"

#include <QCommandLineParser>
#include <QFileInfo>

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
    {"leggi-ad-alta-voce", "Legge ad alta voce i messaggi, le spiegazioni e le formule (solo per "
                           "questa volta; dalla finestra iniziale si sceglie per sempre).",
     std::nullopt, &Request::readAloud},
    {"soluzioni", "Con --pdf: aggiunge la pagina delle soluzioni.",
     std::nullopt, &Request::withSolutions},
    {"controlla", "Controlla la soluzione dei problemi indicati: per ogni passaggio dice se il "
                  "risultato torna con la formula e i dati. Esce con 0 se tutto torna, 1 se "
                  "qualcosa non torna, 2 se un file non si legge.",
     std::nullopt, &Request::checkKeys},
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

} // namespace

Request parse(const QStringList &arguments, bool settingHidesEditor)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Zenuvio: problemi di geometria piana (perimetro, area, teorema di "
                       "Pitagora).\nSenza argomenti apre la finestra iniziale."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Our own help switch: Qt's would add --help-all, for options of Qt's that
    // do not concern a teacher, and its texts have no Italian translation.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Mostra questa guida."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    QList<QCommandLineOption> switches;
    for (const Switch &s : Switches) {
        switches.append(QCommandLineOption(QLatin1String(s.name), QString::fromUtf8(s.help)));
        parser.addOption(switches.back());
    }
    const QCommandLineOption size(
        QStringLiteral("dimensione"),
        QStringLiteral("La dimensione delle finestre, per la lavagna interattiva: %1.")
            .arg(sizeList()),
        QStringLiteral("PERCENTO"));
    parser.addOption(size);
    const QCommandLineOption pdf(QStringLiteral("pdf"),
                                 QStringLiteral("Scrive la scheda del problema FILE.znv nel file "
                                                "PDF indicato dopo, senza aprire finestre."));
    parser.addOption(pdf);
    const QCommandLineOption variants(
        QStringLiteral("varianti"),
        QStringLiteral("Scrive N varianti del problema FILE.znv con numeri nuovi nella cartella "
                       "indicata dopo: i problemi (NOME-01.znv ...) con la figura, le schede "
                       "(NOME-schede.pdf) e le soluzioni (NOME-soluzioni.pdf); N da 1 a 99. "
                       "Senza aprire finestre."),
        QStringLiteral("N"));
    parser.addOption(variants);
    parser.addPositionalArgument(
        QStringLiteral("FILE.znv"),
        QStringLiteral("Il problema da aprire: nella risoluzione, o nell'editor con --editor; "
                       "con --pdf, seguito dal nome del file PDF; con --varianti, seguito dalla "
                       "cartella."),
        QStringLiteral("[FILE.znv [SCHEDA.pdf]]"));

    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help))
        return exitWith(0, parser.helpText());
    if (parser.isSet(version))
        return exitWith(0, QStringLiteral("Zenuvio %1\n").arg(programVersionText()));

    Request request;
    for (int i = 0; i < switches.size(); ++i) {
        if (!parser.isSet(switches.at(i)))
            continue;
        const Switch &s = Switches[i];
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

int sizeAskedFor(int argc, char **argv)
{
    return rawOption(argc, argv, "dimensione").value_or(QByteArray()).toInt();
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

} // namespace CommandLine
