#pragma once

class QCoreApplication;

// Qt's own texts (the file dialog, the command line help, ...) in Italian,
// from Qt's translation files (Debian: qt6-translations-l10n). Without them
// the texts stay in English; nothing else changes.
void installQtTranslation(QCoreApplication &app);
