#include "commandline.h"
#include "editorhandler.h"
#include "fonts.h"
#include "programsettings.h"
#include "qttranslation.h"
#include "solverhandler.h"
#include "startwindow.h"
#include "versiontext.h"
#include "workwindow.h"
#include "zenuvioresources.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zenuvio"));
    QApplication::setApplicationVersion(programVersionText());
    QApplication::setWindowIcon(ZenuvioResources::programIcon());
    installQtTranslation(app);
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

    StartWindow start(makeWorkWindow, openProblem);
    start.setEditorHidden(request.hideEditor);
    if (!start.startUp())
        return 0;
    if (request.mode)
        start.openProblem(*request.mode, request.file);
    else
        start.show();
    return app.exec();
}
