// Draws the program's windows to PNG files, for looking at them:
//   grab_windows <out-dir>
// writes start.png, about.png, work-editor.png and work-solving.png. Run it
// with QT_SCALE_FACTOR set to see the windows at another size.
#include "aboutwindow.h"
#include "accessibility.h"
#include "fonts.h"
#include "startwindow.h"
#include "workwindow.h"

#include <QApplication>
#include <QDir>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Accessibility::install();
    Fonts::installSubstitutions();
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    const auto save = [&](QWidget &window, const char *name) {
        window.show();
        app.processEvents();
        window.grab().save(out + '/' + QLatin1String(name));
    };
    StartWindow start(nullptr);
    start.startUp();
    save(start, "start.png");
    AboutWindow about;
    about.writeText();
    save(about, "about.png");
    for (WorkMode mode : {WorkMode::Editor, WorkMode::Solving}) {
        std::unique_ptr<WorkWindow> work(WorkWindow::load(mode, {}));
        save(*work, mode == WorkMode::Editor ? "work-editor.png" : "work-solving.png");
    }
    return 0;
}
