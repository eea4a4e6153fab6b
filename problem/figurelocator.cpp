#include "figurelocator.h"

#include "programfolder.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The file called name in folder, matched exactly or else, when exactly one
// file matches that way, regardless of the case of its letters.
QString fileIn(const QString &folder, const QString &name)
{
    const QDir dir(folder);
    const QString exact = dir.filePath(name);
    if (QFileInfo(exact).isFile())
        return exact;
    // The listing is not filtered by name: a name may hold '*' or '['.
    QString found;
    for (const QString &entry : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (entry.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (!found.isEmpty())
            return {}; // two files differ only in case: neither is the one meant
        found = dir.filePath(entry);
    }
    return found;
}

} // namespace

namespace FigureLocator {

bool isSafeName(const QString &name)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.contains(QLatin1String("..")) || name.contains(QChar::Null) ||
        QDir::isAbsolutePath(name))
        return false;
    const bool drive = name.size() >= 2 && name.at(1) == QLatin1Char(':') && name.at(0).isLetter();
    return !drive;
}

QString locate(const QString &nomeFigura, const QString &problemFilePath)
{
    if (!isSafeName(nomeFigura))
        return {};
    const QString inProgramFolder = fileIn(ProgramFolder::path(), nomeFigura);
    if (!inProgramFolder.isEmpty() || problemFilePath.isEmpty())
        return inProgramFolder;
    return fileIn(QFileInfo(problemFilePath).absolutePath(), nomeFigura);
}

} // namespace FigureLocator
