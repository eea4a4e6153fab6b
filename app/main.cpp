#include "accessibility.h"
#include "commandline.h"
#include "easyreading.h"
#include "editorhandler.h"
#include "enginespeaker.h"
#include "fonts.h"
#include "keycheck.h"
#include "messagebox.h"
#include "problemfile.h"
#include "programsettings.h"
#include "qtitalian.h"
#include "readaloud.h"
#include "solverhandler.h"
#include "speechsettings.h"
#include "startwindow.h"
#include "variantfiles.h"
#include "versiontext.h"
#include "windowscale.h"
#include "worksheet.h"
#include "workwindow.h"
#include "workwindowlayout.h"
#include "zenuvioresources.h"

#include <QApplication>

#include <cstdio>

namespace {

// zenuvio --pdf FILE.znv OUT.pdf: the worksheet with no window.
int writeWorksheet(const CommandLine::Request &request)
{
    const ReadResult<EditorProblem> read = ProblemFile::readForEditor(request.file);
    if (!read.problem) {
        std::fprintf(stderr, "%s\n", qPrintable(read.error));
        return 1;
    }
    const Worksheet::Figure figure = Worksheet::loadFigure(read.problem->nomeFigura, request.file);
    if (!figure.notice.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(figure.notice));
    const QString error =
        Worksheet::writePdf(request.pdf, *read.problem, figure.image, request.withSolutions);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // A worksheet written to a file needs no display.
    if (CommandLine::asksForPdf(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int size = WindowScale::prepare(argc, argv, CommandLine::sizeAskedFor(argc, argv));
    QApplication app(argc, argv);
    Accessibility::install();
    // The settings (the folder a dialog opens in) live under Zenuvio/Zenuvio.
    QApplication::setOrganizationName(QStringLiteral("Zenuvio"));
    QApplication::setApplicationName(QStringLiteral("Zenuvio"));
    QtItalian::install(app);
    QApplication::setApplicationVersion(programVersionText());
    QApplication::setWindowIcon(ZenuvioResources::programIcon());
    Fonts::installSubstitutions();

    const CommandLine::Request request =
        CommandLine::parse(QApplication::arguments(), ProgramSettings::hidesEditor());
    if (request.exits) {
        std::fputs(qPrintable(request.output), request.exitCode == 0 ? stdout : stderr);
        return request.exitCode;
    }
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

    // Reading aloud, off unless the pupil or the command line asks for it; the
    // speech engine starts only when something is first to be said.
    const SpeechSettings speech = SpeechSettings::load();
    EngineSpeaker::Options voice;
    voice.rate = speech.rate;
    voice.volume = speech.volume;
    EngineSpeaker speaker(voice);
    ReadAloud readAloud(speaker);
    if (request.readAloud)
        readAloud.setOnForThisRun(true);

    // Each mode button builds a new work window, set up for its mode, with the
    // handlers of that mode.
    const bool explaining = !request.noExplanations && ProgramSettings::explains();
    const ModeHandlers handlers{makeEditorHandler, [explaining](WorkWindow &window) {
                                    auto handler = std::make_unique<SolverHandler>(window);
                                    handler->setExplaining(explaining);
                                    return std::unique_ptr<ModeHandler>(std::move(handler));
                                }};
    auto makeWorkWindow = [&handlers, &readAloud](WorkMode mode) -> QWidget * {
        WorkWindow *window = WorkWindow::load(mode, handlers);
        window->setReadAloud(&readAloud);
        window->setEasyReading(EasyReading::remembered());
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
    start.offerSizes(size, [](int percent) { WindowScale::restartAt(percent); });
    start.offerReadAloud(readAloud.isOn(), [&readAloud](bool on) {
        readAloud.setOn(on);
        readAloud.hintShown(on ? QStringLiteral("Lettura ad alta voce attiva.") : QString());
    });
    QObject::connect(&readAloud, &ReadAloud::notice, &start, [&start](const QString &text) {
        MessageBox::show(MessageBox::Icon::Information, QStringLiteral("Zenuvio"), text,
                         QApplication::activeWindow() ? QApplication::activeWindow() : &start);
    });
    if (request.mode)
        start.openProblem(*request.mode, request.file);
    else
        start.show();
    const QString notice = WindowScale::reducedNotice();
    if (!notice.isEmpty())
        MessageBox::show(MessageBox::Icon::Information, QStringLiteral("Zenuvio"), notice, &start);
    return app.exec();
}
