#include "accessibility.h"
#include "editorhandler.h"
#include "fonts.h"
#include "messagebox.h"
#include "qtitalian.h"
#include "solverhandler.h"
#include "startwindow.h"
#include "versiontext.h"
#include "windowscale.h"
#include "workwindow.h"
#include "workwindowlayout.h"
#include "zenuvioresources.h"

#include <QApplication>

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

    // Each mode button builds a new work window, set up for its mode, with the
    // handlers of that mode.
    const ModeHandlers handlers{makeEditorHandler, makeSolverHandler};
    auto makeWorkWindow = [&handlers](WorkMode mode) -> QWidget * {
        return WorkWindow::load(mode, handlers);
    };

    // The work window is the largest: at a size where it would not fit the
    // screen the program starts again smaller.
    WindowScale::ensureFits(size, WorkWindowLayout::clientSize);

    StartWindow start(makeWorkWindow);
    if (!start.startUp())
        return 0;
    start.offerSizes(size, [](int percent) { WindowScale::restartAt(percent); });
    start.show();
    const QString notice = WindowScale::reducedNotice();
    if (!notice.isEmpty())
        MessageBox::show(MessageBox::Icon::Information, QStringLiteral("Zenuvio"), notice, &start);
    return app.exec();
}
