#include "fileerror.h"

#include <QFileDevice>

#include <cerrno>

namespace FileError {

QString reason(int errorNumber)
{
    switch (errorNumber) {
    case EACCES:
    case EPERM:
        return QStringLiteral("non hai il permesso di farlo.");
    case ENOENT:
        return QStringLiteral("il file o la sua cartella non esiste.");
    case ENOTDIR:
        return QStringLiteral("una parte del percorso non è una cartella.");
    case EISDIR:
        return QStringLiteral("è una cartella, non un file.");
    case ENOSPC:
    case EFBIG:
#ifdef EDQUOT // Windows has no disk quotas in errno
    case EDQUOT:
#endif
        return QStringLiteral("il disco è pieno.");
    case EROFS:
        return QStringLiteral("il disco si può solo leggere, non scrivere.");
    case ENAMETOOLONG:
        return QStringLiteral("il nome è troppo lungo.");
    case EIO:
        return QStringLiteral("il disco non ha risposto come doveva (errore di lettura o "
                              "scrittura).");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("ci sono troppi file aperti.");
    case ETXTBSY:
    case EBUSY:
        return QStringLiteral("il file è in uso.");
    default:
        return QStringLiteral("il sistema ha dato l'errore numero %1.").arg(errorNumber);
    }
}

QString reason(int errorNumber, const QFileDevice &file)
{
    if (errorNumber != 0)
        return reason(errorNumber);
    switch (file.error()) {
    case QFileDevice::PermissionsError:
        return reason(EACCES);
    case QFileDevice::ResourceError:
        return reason(ENOSPC);
    default:
        return QStringLiteral("il sistema non ha detto perché.");
    }
}

QString notARegularFile()
{
    return QStringLiteral("non è un file normale (è una cartella, un dispositivo o un altro file "
                          "speciale).");
}

} // namespace FileError
