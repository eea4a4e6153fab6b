#include "helpfile.h"

#include "helpviewer.h"
#include "windowplacement.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

namespace {
// Opens the help on F1 in any window of the application.
class F1Filter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
            return false;
        if (!key->isAutoRepeat())
            HelpFile::showHelp();
        return true;
    }
};

struct HelpState {
    QString path;
    QPointer<F1Filter> filter;
    QPointer<HelpViewer> viewer;
};

HelpState &state()
{
    static HelpState s;
    return s;
}
} // namespace

void HelpFile::registerFile(const QString &path)
{
    state().path = path;
    if (!state().filter && qApp) {
        state().filter = new F1Filter(qApp);
        qApp->installEventFilter(state().filter);
    }
}

QString HelpFile::registeredFile()
{
    return state().path;
}

QString HelpFile::fileToOpen()
{
    QString path = state().path;
    const int backslash = path.lastIndexOf(QLatin1Char('\\'));
    if (backslash >= 0 && backslash > path.lastIndexOf(QLatin1Char('/')))
        path[backslash] = QLatin1Char('/');
    return path;
}

HelpViewer *HelpFile::showHelp()
{
    if (!state().viewer) {
        state().viewer = new HelpViewer;
        placeAtScreenCentre(state().viewer);
    }
    HelpViewer *viewer = state().viewer;
    viewer->showFileFromStart(fileToOpen());
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

HelpViewer *HelpFile::viewer()
{
    return state().viewer;
}
