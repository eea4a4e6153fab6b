#include "wholefile.h"

#include "fileerror.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace WholeFile {

QString write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return FileError::reason(errno, file);
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const QString reason = FileError::reason(errno, file);
        file.cancelWriting();
        return reason;
    }
    errno = 0;
    if (!file.commit())
        return FileError::reason(errno, file);
    return {};
}

bool sameFile(const QString &one, const QString &other)
{
#ifdef Q_OS_WIN
    // Windows gives no inode through stat(): the resolved paths are compared.
    const QString a = QFileInfo(one).canonicalFilePath();
    return !a.isEmpty() &&
           a.compare(QFileInfo(other).canonicalFilePath(), Qt::CaseInsensitive) == 0;
#else
    struct stat a {};
    struct stat b {};
    if (::stat(QFile::encodeName(one).constData(), &a) != 0 ||
        ::stat(QFile::encodeName(other).constData(), &b) != 0)
        return false;
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
#endif
}

} // namespace WholeFile
