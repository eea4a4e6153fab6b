#pragma once

#include <QString>

// The folder that holds the program and the files kept beside it
// ("Clicca.gif", "Vuoto.gif", "Aiuto.HLP", the figures). It is the
// executable's folder unless a test has pointed it elsewhere.
namespace ProgramFolder {

QString path();
// Joins the program's folder and a bare file name with "/".
QString file(const QString &name);
// For tests: use another folder; an empty text goes back to the executable's.
void setOverride(const QString &folder);

} // namespace ProgramFolder
