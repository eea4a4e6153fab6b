#pragma once

class QCoreApplication;

// Qt draws some texts itself: the file dialog, the standard buttons of a
// message box, the menu of a text box. They come in Italian from Qt's own
// translation, installed with Qt (Debian's qt6-translations-l10n), never
// translated here by hand.
namespace QtItalian {

// Installs Qt's Italian translation on the application; gives false when it
// is not found, and Qt's texts then stay English.
bool install(QCoreApplication &application);

} // namespace QtItalian
