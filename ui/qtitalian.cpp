#include "qtitalian.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace QtItalian {

bool install(QCoreApplication &application)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    bool found = false;
    // qtbase holds the widgets' texts; qt_it gathers the other modules'.
    for (const char *catalogue : {"qtbase_it", "qt_it"}) {
        auto *translator = new QTranslator(&application);
        if (translator->load(QLatin1String(catalogue), folder)) {
            QCoreApplication::installTranslator(translator);
            found = true;
        } else {
            delete translator;
        }
    }
    return found;
}

} // namespace QtItalian
