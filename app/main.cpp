#include "accessibility.h"
#include "editorhandler.h"
#include "fonts.h"
#include "solverhandler.h"
#include "startwindow.h"
#include "versiontext.h"
#include "workwindow.h"
#include "zenuvioresources.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Accessibility::install();
    QApplication::setApplicationName(QStringLiteral("Zenuvio"));
    QApplication::setApplicationVersion(programVersionText());
    QApplication::setWindowIcon(ZenuvioResources::programIcon());
    Fonts::installSubstitutions();

    // Each mode button builds a new work window, set up for its mode, with the
    // handlers of that mode.
    const ModeHandlers handlers{makeEditorHandler, makeSolverHandler};
    auto makeWorkWindow = [&handlers](WorkMode mode) -> QWidget * {
        return WorkWindow::load(mode, handlers);
    };

    StartWindow start(makeWorkWindow);
    if (!start.startUp())
        return 0;
    start.show();
    return app.exec();
}
