#pragma once

#include <QString>

class QFileDevice;

// Why a file could not be read, written or copied, in Italian words. The
// system's own error texts are English (and differ from one system to
// another), so the cause is taken from the error number the system gave and
// said in words a teacher understands. Each text ends with a full stop and
// fits after "Impossibile salvare il problema nel file «...»: ".
namespace FileError {

// The cause for an error number (errno): no permission, not found, disk full,
// read-only disk, and so on; any other number is named as such.
QString reason(int errorNumber);

// The cause of the last failure of file: the error number the system gave
// just before (errno), or, when there is none, Qt's own kind of error.
QString reason(int errorNumber, const QFileDevice &file);

// Said of a path that names a folder, a device, a pipe or a socket: only
// regular files hold problems and pictures.
QString notARegularFile();

} // namespace FileError
