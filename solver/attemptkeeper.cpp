#include "attemptkeeper.h"

#include "attemptfile.h"
#include "fileerror.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>

QString AttemptKeeper::notice(const QString &error)
{
    return error + QStringLiteral(" I risultati di questa volta non vengono salvati, ma puoi "
                                  "continuare a risolvere.");
}

QString AttemptKeeper::tellOnce(const QString &error)
{
    if (m_told)
        return {};
    m_told = true;
    return notice(error);
}

QString AttemptKeeper::checkFolder()
{
    if (!keeps() || m_checked)
        return {};
    m_checked = true;
    const QString failed = QStringLiteral("Impossibile scrivere il risultato nella cartella «%1»: ")
                               .arg(QDir::toNativeSeparators(m_folder));
    const QFileInfo info(m_folder);
    if (info.exists() && !info.isDir())
        return tellOnce(failed + FileError::reason(ENOTDIR));
    errno = 0;
    if (!QDir().mkpath(m_folder))
        return tellOnce(failed + FileError::reason(errno ? errno : ENOENT));
    // A file made there and taken away again: the only sure test on a shared
    // folder, whose permissions may say otherwise.
    QTemporaryFile probe(QDir(m_folder).filePath(QStringLiteral(".zenuvio-XXXXXX")));
    errno = 0;
    if (!probe.open())
        return tellOnce(failed + FileError::reason(errno, probe));
    return {};
}

QString AttemptKeeper::keep(const AttemptRecord &record)
{
    if (record.pupil.isEmpty())
        return {};
    const AttemptFile::Written written = AttemptFile::write(m_folder, record);
    if (!written.error.isEmpty())
        return tellOnce(written.error);
    m_lastWritten = written.path;
    return {};
}
