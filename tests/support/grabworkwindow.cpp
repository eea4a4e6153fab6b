// Draws the work window in each mode to PNG files, for looking at the layout:
//   grab_work_window <out-dir>
#include "workwindow.h"

#include <QApplication>
#include <QDir>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    for (bool solving : {false, true}) {
        WorkWindow *form = WorkWindow::load(solving ? WorkMode::Solving : WorkMode::Editor, {});
        form->show();
        app.processEvents();
        form->grab().save(out + (solving ? "/form2-solving.png" : "/form2-editor.png"));
        form->close();
    }
    return 0;
}
