#include "figurelocator.h"

#include "fileerror.h"
#include "programfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

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

bool sameContents(const QString &one, const QString &other)
{
    const QFileInfo a(one), b(other);
    if (a.canonicalFilePath() == b.canonicalFilePath())
        return true;
    if (a.size() != b.size())
        return false;
    QFile first(one), second(other);
    if (!first.open(QIODevice::ReadOnly) || !second.open(QIODevice::ReadOnly))
        return false;
    while (!first.atEnd()) {
        constexpr qint64 Chunk = 64 * 1024;
        if (first.read(Chunk) != second.read(Chunk))
            return false;
    }
    return true;
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

QString locate(const QString &figureName, const QString &problemFilePath)
{
    if (!isSafeName(figureName))
        return {};
    const QString inProgramFolder = fileIn(ProgramFolder::path(), figureName);
    if (!inProgramFolder.isEmpty() || problemFilePath.isEmpty())
        return inProgramFolder;
    return fileIn(QFileInfo(problemFilePath).absolutePath(), figureName);
}

QString bringAlong(const QString &figureName, const QString &source, const QString &problemFilePath)
{
    if (!isSafeName(figureName) || source.isEmpty())
        return {};
    const QString notCopied =
        QStringLiteral("La figura «%1» non è stata copiata accanto al problema: ").arg(figureName);
    const QString found = locate(figureName, problemFilePath);
    if (!found.isEmpty()) {
        if (sameContents(found, source))
            return {};
        return notCopied +
               QStringLiteral("in «%1» c'è già un altro file con quel nome, e il problema mostrerà "
                              "quello.")
                   .arg(QDir::toNativeSeparators(found));
    }
    const QString target = QDir(QFileInfo(problemFilePath).absolutePath()).filePath(figureName);
    const QString keptNotice =
        QStringLiteral(" Il problema la indica, ma aperto da lì non la mostrerà.");
    if (QFileInfo::exists(target)) {
        return notCopied +
               QStringLiteral("«%1» esiste già e non è la figura.")
                   .arg(QDir::toNativeSeparators(target)) +
               keptNotice;
    }
    if (!QFileInfo(source).isFile()) {
        return notCopied +
               QStringLiteral("il file «%1» da cui era stata presa non c'è più.")
                   .arg(QDir::toNativeSeparators(source)) +
               keptNotice;
    }
    QFile file(source);
    errno = 0;
    if (!file.copy(target))
        return notCopied + FileError::reason(errno, file) + keptNotice;
    return {};
}

} // namespace FigureLocator
