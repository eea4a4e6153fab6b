#include "accessibility.h"
#include "attemptkeeper.h"
#include "classcsv.h"
#include "classresultswindow.h"
#include "commandline.h"
#include "editorhandler.h"
#include "enginespeaker.h"
#include "figurelocator.h"
#include "fonts.h"
#include "keycheck.h"
#include "messagebox.h"
#include "problemfigure.h"
#include "problemfile.h"
#include "qtitalian.h"
#include "readaloud.h"
#include "resultsfolder.h"
#include "settings.h"
#include "solverhandler.h"
#include "speechsettings.h"
#include "startwindow.h"
#include "variantfiles.h"
#include "versiontext.h"
#include "wholefile.h"
#include "windowscale.h"
#include "worksheet.h"
#include "workwindow.h"
#include "workwindowlayout.h"
#include "zenuvioresources.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

#ifdef Q_OS_WIN
#include "windowsstart.h"
#endif

namespace {

// One line on stderr; the status for a --pdf that wrote nothing.
int failed(const QString &line)
{
    std::fprintf(stderr, "%s\n", qPrintable(line));
    return 1;
}

// zenuvio --pdf FILE.znv OUT.pdf: the worksheet with no window. The sheet
// never replaces the problem file or its figure, however OUT is spelt.
int writeWorksheet(const CommandLine::Request &request)
{
    const QString notWritten = QStringLiteral("La scheda non è stata scritta: «%1» è ")
                                   .arg(QDir::toNativeSeparators(request.pdf));
    if (WholeFile::sameFile(request.pdf, request.file))
        return failed(notWritten + QStringLiteral("il file del problema stesso."));
    const ReadResult read = ProblemFile::read(request.file);
    if (!read.problem)
        return failed(read.error);
    const QString figurePath = FigureLocator::locate(read.problem->figureName, request.file);
    if (!figurePath.isEmpty() && WholeFile::sameFile(request.pdf, figurePath))
        return failed(notWritten + QStringLiteral("la figura del problema."));
    const ProblemFigure::Figure figure =
        ProblemFigure::load(read.problem->figureName, request.file, ProblemFigure::Use::Sheet);
    if (!figure.notice.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(figure.notice));
    const QString error =
        Worksheet::writePdf(request.pdf, *read.problem, figure.image, request.withSolutions,
                            QFileInfo(request.file).completeBaseName());
    if (!error.isEmpty())
        return failed(error);
    return 0;
}

// The command line read with the program's texts in place (Qt's Italian
// translation for "Utilizzo", "Opzioni", ...).
CommandLine::Request readCommandLine(QCoreApplication &application, bool settingHidesEditor)
{
    QtItalian::install(application);
    QCoreApplication::setApplicationVersion(programVersionText());
    return CommandLine::parse(QCoreApplication::arguments(), settingHidesEditor);
}

int printAndExit(const CommandLine::Request &request)
{
    std::fputs(qPrintable(request.output), request.exitCode == 0 ? stdout : stderr);
    return request.exitCode;
}

// zenuvio --riepilogo FOLDER OUT.csv: the class's results with no window.
int writeSummary(const CommandLine::Request &request)
{
    if (!QFileInfo(request.resultsFolder).isDir()) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(QStringLiteral("Impossibile leggere i risultati: la cartella «%1» "
                                               "non esiste.")
                                    .arg(QDir::toNativeSeparators(request.resultsFolder))));
        return 1;
    }
    ClassTable table;
    table.setRecords(readFolder(request.resultsFolder));
    const QString error = ClassCsv::write(request.csv, table);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
#ifdef Q_OS_WIN
    WindowsStart::attachToParentConsole();
    WindowsStart::usePortableSettings();
#endif
    // The help and the version are answered before the window system starts,
    // so that they work with no display at all. (The pupil's-machine setting
    // cannot change either answer.)
#ifdef Q_OS_WIN
    // With no console to write to, the text is shown in a box further down.
    if (CommandLine::asksForTextOnly(argc, argv) && WindowsStart::hasOutput()) {
#else
    if (CommandLine::asksForTextOnly(argc, argv)) {
#endif
        QCoreApplication core(argc, argv);
        const CommandLine::Request request = readCommandLine(core, false);
        if (request.exits)
            return printAndExit(request);
    }
#ifndef Q_OS_WIN
    // A worksheet written to a file needs no display. (Windows always has one,
    // and its fonts come through the Windows platform alone.)
    if ((CommandLine::asksForPdf(argc, argv) || CommandLine::asksForSummary(argc, argv)) &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    // The one settings object, handed to what reads or keeps a setting. The
    // help, the version and a worksheet never look at the settings files.
    Settings settings = CommandLine::needsNoSettings(argc, argv) ? Settings() : Settings::open();
    const int size = WindowScale::prepare(argc, argv, CommandLine::sizeAskedFor(argc, argv),
                                          settings.value(Setting::WindowSize));
    QApplication app(argc, argv);
    Accessibility::install();
    QApplication::setOrganizationName(QStringLiteral("Zenuvio"));
    QApplication::setApplicationName(QStringLiteral("Zenuvio"));
    QApplication::setWindowIcon(ZenuvioResources::programIcon());
    Fonts::installSubstitutions();

    const CommandLine::Request request = readCommandLine(app, settings.value(Setting::HideEditor));
#ifdef Q_OS_WIN
    // Started with no console (a shortcut, the Run box): the text is shown.
    if (request.exits && !WindowsStart::hasOutput()) {
        MessageBox::show(request.exitCode == 0 ? MessageBox::Icon::Information
                                               : MessageBox::Icon::Critical,
                         QStringLiteral("Zenuvio"), request.output.trimmed(), nullptr);
        return request.exitCode;
    }
#endif
    if (request.exits)
        return printAndExit(request);
    if (!request.pdf.isEmpty())
        return writeWorksheet(request);
    if (request.variants > 0) {
        QTextStream errors(stderr);
        return VariantFiles::write(request.variants, request.file, request.variantsFolder, errors,
                                   *QRandomGenerator::global());
    }
    if (request.checkKeys) {
        QTextStream out(stdout);
        QTextStream errors(stderr);
        return KeyCheck::checkFiles(request.checkFiles, out, errors);
    }
    if (request.summary)
        return writeSummary(request);
    if (request.classResults) {
        auto *results = new ClassResultsWindow(request.resultsFolder.isEmpty()
                                                   ? ResultsFolder::configured(settings)
                                                   : request.resultsFolder);
        results->show();
        return app.exec();
    }

    // Reading aloud, off unless the pupil or the command line asks for it; the
    // speech engine starts only when something is first to be said.
    const SpeechSettings speech = SpeechSettings::load(settings);
    EngineSpeaker::Options voice;
    voice.rate = speech.rate;
    voice.volume = speech.volume;
    EngineSpeaker speaker(voice);
    ReadAloud readAloud(speaker, &settings);
    if (request.readAloud)
        readAloud.setOnForThisRun(true);

    // The pupil's attempts, kept for the whole run once a name is given.
    AttemptKeeper keeper;
    keeper.setFolder(request.resultsFolder.isEmpty() ? ResultsFolder::configured(settings)
                                                     : request.resultsFolder);
    keeper.setPupil(request.pupil.value_or(QString()));

    // Each mode button builds a new work window, set up for its mode, with the
    // handlers of that mode.
    const bool explaining = !request.noExplanations && settings.value(Setting::Explanations);
    const bool byValue = request.equivalentForms || settings.value(Setting::EquivalentForms);
    const ModeHandlers handlers{
        makeEditorHandler, [explaining, byValue, &keeper](WorkWindow &window) {
            auto handler = std::make_unique<SolverHandler>(window.solvingView());
            handler->setExplaining(explaining);
            handler->setEquivalentForms(byValue);
            handler->setKeeper(&keeper);
            return std::unique_ptr<ModeHandler>(std::move(handler));
        }};
    auto makeWorkWindow = [&handlers, &readAloud, &settings](WorkMode mode) -> QWidget * {
        WorkWindow *window = WorkWindow::load(mode, handlers);
        window->setReadAloud(&readAloud);
        window->setSettings(&settings);
        window->setEasyReading(settings.value(Setting::EasyReading));
        return window;
    };
    auto openProblem = [](QWidget *workWindow, const QString &path) {
        static_cast<WorkWindow *>(workWindow)->openFile(path);
    };

    // The work window is the largest: at a size where it would not fit the
    // screen the program starts again smaller.
    WindowScale::ensureFits(size, WorkWindowLayout::clientSize);

    StartWindow start(makeWorkWindow, openProblem);
    start.setEditorHidden(request.hideEditor);
    if (!start.startUp())
        return 0;
    // The size the user chose is kept; one made smaller to fit is not.
    start.offerSizes(size, [&settings](int percent) {
        settings.setValue(Setting::WindowSize, percent);
        WindowScale::restartAt(percent);
    });
    if (!request.hideEditor) {
        // The folder the pupils of this run write into: --registro, or the setting.
        start.offerClassResults([&settings, folder = request.resultsFolder] {
            auto *results = new ClassResultsWindow(
                folder.isEmpty() ? ResultsFolder::configured(settings) : folder);
            results->show();
        });
    }
    start.offerReadAloud(readAloud.isOn(), [&readAloud](bool on) {
        readAloud.setOn(on);
        readAloud.hintShown(on ? QStringLiteral("Lettura ad alta voce attiva.") : QString());
    });
    start.offerName(request.pupil.value_or(QString()),
                    [&keeper](const QString &name) { keeper.setPupil(name); });
    // Speech that cannot be heard is told without a box, which would take the
    // pupil's next click or key: in the work window (which listens itself) or
    // here. The pupil's choice stays as it is; the voice is off for this run.
    QObject::connect(&readAloud, &ReadAloud::notice, &start, [&start](const QString &text) {
        if (!start.workWindow())
            start.showStatus(text);
    });
    if (request.mode)
        start.openProblem(*request.mode, request.file);
    else
        start.show();
    for (const QString &notice : {settings.notice(), WindowScale::reducedNotice()}) {
        if (!notice.isEmpty())
            MessageBox::show(MessageBox::Icon::Information, QStringLiteral("Zenuvio"), notice,
                             &start);
    }
    return app.exec();
}
