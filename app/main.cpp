#include "accessibility.h"
#include "commandline.h"
#include "editorhandler.h"
#include "fonts.h"
#include "messagebox.h"
#include "programsettings.h"
#include "qtitalian.h"
#include "solverhandler.h"
#include "startwindow.h"
#include "versiontext.h"
#include "windowscale.h"
#include "workwindow.h"
#include "workwindowlayout.h"
#include "zenuvioresources.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    const int size = WindowScale::prepare(argc, argv, 0);
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

    // Each mode button builds a new work window, set up for its mode, with the
    // handlers of that mode.
    const ModeHandlers handlers{makeEditorHandler, makeSolverHandler};
    auto makeWorkWindow = [&handlers](WorkMode mode) -> QWidget * {
        return WorkWindow::load(mode, handlers);
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
    if (request.mode)
        start.openProblem(*request.mode, request.file);
    else
        start.show();
    const QString notice = WindowScale::reducedNotice();
    if (!notice.isEmpty())
        MessageBox::show(MessageBox::Icon::Information, QStringLiteral("Zenuvio"), notice, &start);
    return app.exec();
}
