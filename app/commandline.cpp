#include "commandline.h"

#include "versiontext.h"

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
};
// clang-format on

const char *const Program = "zenuvio";

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
    parser.addPositionalArgument(
        QStringLiteral("FILE.znv"),
        QStringLiteral("Il problema da aprire: nella risoluzione, o nell'editor con --editor."),
        QStringLiteral("[FILE.znv]"));

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

} // namespace CommandLine
