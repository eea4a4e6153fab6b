#include "fontsubstitutions.h"
#include "form3.h"
#include "programicon.h"
#include "versiontext.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zenuvio"));
    QApplication::setApplicationVersion(programVersionText());
    QApplication::setWindowIcon(programIcon());
    installFontSubstitutions();

    // Replaced by the real work window when it lands.
    auto makeWorkWindow = []() -> QWidget * {
        auto *workWindow = new QWidget;
        workWindow->setWindowTitle(QStringLiteral("Zenuvio"));
        workWindow->setAttribute(Qt::WA_DeleteOnClose);
        workWindow->resize(640, 480);
        QApplication::restoreOverrideCursor();
        return workWindow;
    };

    Form3 start(makeWorkWindow);
    if (!start.Form_Load())
        return 0;
    start.show();
    return app.exec();
}
