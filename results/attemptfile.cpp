#include "attemptfile.h"

#include "fileerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace {

constexpr int NamePartLength = 40;
// Another uuid when a name is taken; a clash of two is already next to
// impossible, so a few tries only guard against a broken uuid source.
constexpr int Tries = 8;

QString writeFailed(const QString &folder, const QString &reason)
{
    return QStringLiteral("Impossibile scrivere il risultato nella cartella «%1»: %2")
        .arg(QDir::toNativeSeparators(folder), reason);
}

} // namespace

namespace AttemptFile {

QString namePart(const QString &text)
{
    QString part = text.left(NamePartLength);
    for (QChar &c : part) {
        if (!c.isLetter() && !c.isDigit() && c != QLatin1Char('-') && c != QLatin1Char('_'))
            c = QLatin1Char('_');
    }
    return part.isEmpty() ? QStringLiteral("x") : part;
}

QString fileName(const AttemptRecord &record, const QUuid &uuid)
{
    return QStringLiteral("%1_%2_%3_%4.json")
        .arg(record.started.toLocalTime().toString(QStringLiteral("yyyyMMdd-HHmmss")),
             namePart(record.pupil), namePart(QFileInfo(record.problem).completeBaseName()),
             uuid.toString(QUuid::WithoutBraces));
}

AttemptJson::ReadRecord read(const QString &path)
{
    const AttemptJson::ReadRecord damaged{std::nullopt, AttemptJson::SkipReason::Damaged};
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > MaxBytes)
        return damaged;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return damaged;
    const QByteArray bytes = file.read(MaxBytes + 1);
    if (bytes.size() > MaxBytes)
        return damaged;
    return AttemptJson::fromJson(bytes);
}

Written write(const QString &folder, const AttemptRecord &record, const QUuid &uuid)
{
    const QFileInfo folderInfo(folder);
    if (folderInfo.exists() && !folderInfo.isDir())
        return {{}, writeFailed(folder, FileError::reason(ENOTDIR))};
    errno = 0;
    if (!QDir().mkpath(folder))
        return {{}, writeFailed(folder, FileError::reason(errno ? errno : ENOENT))};
    QString path;
    QUuid tried = uuid;
    for (int i = 0; i < Tries && path.isEmpty(); ++i, tried = QUuid::createUuid()) {
        const QString candidate = QDir(folder).filePath(fileName(record, tried));
        if (!QFileInfo::exists(candidate) && !QFileInfo(candidate).isSymLink())
            path = candidate;
    }
    if (path.isEmpty())
        return {{}, writeFailed(folder, QStringLiteral("non si trova un nome libero."))};

    const QByteArray bytes = AttemptJson::toJson(record);
    // Unbuffered, so that a write the disk cannot take fails here and not
    // inside commit(), which would then keep a cut file.
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {{}, writeFailed(folder, FileError::reason(errno, file))};
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const QString reason = FileError::reason(errno, file);
        file.cancelWriting();
        return {{}, writeFailed(folder, reason)};
    }
    errno = 0;
    if (!file.commit())
        return {{}, writeFailed(folder, FileError::reason(errno, file))};
    return {path, {}};
}

} // namespace AttemptFile
