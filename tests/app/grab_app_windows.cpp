// Draws the start window and the about window off screen and saves them as
// PNG pictures in the folder given on the command line, for a look by eye.

#include "fontsubstitutions.h"
#include "form3.h"
#include "frminfo.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installFontSubstitutions();
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());

    Form3 start(nullptr);
    start.findChild<QLabel *>(QStringLiteral("Label4"))->setText(QStringLiteral("1.0"));
    frmInfo about;
    about.Form_Load();

    bool saved = true;
    saved &= start.grab().save(folder.filePath(QStringLiteral("Form3.png")));
    saved &= about.grab().save(folder.filePath(QStringLiteral("frmInfo.png")));
    QTextStream(stdout) << (saved ? "saved in " : "could not save in ") << folder.path() << '\n';
    return saved ? 0 : 1;
}
