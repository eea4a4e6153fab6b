// Draws the program's windows to PNG files, for looking at them:
//   grab_windows <out-dir> [problem.znv]
// writes start.png, about.png, work-editor.png and work-solving.png; with a
// problem, also the problem opened in each mode (editor-problem.png,
// solving-problem.png) and shown for easy reading (editor-easy.png,
// solving-easy.png). Run it with QT_SCALE_FACTOR set to see the windows at
// another size.
#include "aboutwindow.h"
#include "accessibility.h"
#include "editorhandler.h"
#include "fonts.h"
#include "solverhandler.h"
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
    if (argc > 2) {
        const QString problem = QString::fromLocal8Bit(argv[2]);
        for (WorkMode mode : {WorkMode::Editor, WorkMode::Solving}) {
            std::unique_ptr<WorkWindow> work(
                WorkWindow::load(mode, {makeEditorHandler, makeSolverHandler}));
            work->show();
            work->openFile(problem);
            save(*work, mode == WorkMode::Editor ? "editor-problem.png" : "solving-problem.png");
            work->setEasyReading(true);
            save(*work, mode == WorkMode::Editor ? "editor-easy.png" : "solving-easy.png");
        }
    }
    return 0;
}
