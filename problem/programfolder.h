#pragma once

#include "seam.h"

#include <QString>

// The folder that holds the program and the files kept beside it
// ("Clicca.gif", "Vuoto.gif", "Aiuto.HLP", the figures). It is the
// executable's folder unless a test has pointed it elsewhere.
namespace ProgramFolder {

QString path();
// Joins the program's folder and a bare file name with "/".
QString file(const QString &name);
// The folder of the example problems that come with the program: "examples"
// beside the program in a build, or, once installed (the program in
// <prefix>/lib/zenuvio), <prefix>/share/zenuvio/examples. Empty when there is
// neither.
QString examples();

// For tests: from its making to its end, the program's folder is another one
// (a seam's guard: overrides nest).
class Override {
public:
    explicit Override(const QString &folder) : m_folder(folder), m_guard(*this) {}
    QString folder() const { return m_folder; }

private:
    QString m_folder;
    Seam<Override>::Guard m_guard;
};

} // namespace ProgramFolder
