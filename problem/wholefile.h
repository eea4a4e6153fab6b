#pragma once

#include <QByteArray>
#include <QString>

// Files the program writes are written whole or not at all: the bytes go to a
// temporary file beside the target, unbuffered, every write checked, and the
// target is replaced only once all of them are on the disk. A buffered save
// file would take a write the disk refuses without a word and report success
// over a cut file; here that write fails at once with the system's reason.
namespace WholeFile {

// Replaces the file at path with bytes. Gives an empty text when it was
// written, otherwise why not, in the words of FileError::reason() (the old
// file is then left as it was, and no temporary file stays behind).
QString write(const QString &path, const QByteArray &bytes);

// True when both paths name one and the same existing file, however each is
// spelt: through a link, "./", another folder's "..", or a second hard link.
bool sameFile(const QString &one, const QString &other);

} // namespace WholeFile
