#include "editorhandler.h"
#include "fonts.h"
#include "form2.h"
#include "form3.h"
#include "solverhandler.h"
#include "versiontext.h"
#include "zenuvioresources.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zenuvio"));
    QApplication::setApplicationVersion(programVersionText());
    QApplication::setWindowIcon(ZenuvioResources::programIcon());
    Fonts::installSubstitutions();

    // Each mode button builds a new work window, set up for its mode, with the
    // handlers of that mode.
    const ModeHandlers handlers{makeEditorHandler, makeSolverHandler};
    auto makeWorkWindow = [&handlers]() -> QWidget * { return Form2::load(handlers); };

    Form3 start(makeWorkWindow);
    if (!start.Form_Load())
        return 0;
    start.show();
    return app.exec();
}
