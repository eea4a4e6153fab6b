#pragma once

#include "attemptrecord.h"

#include <QUuid>

// An attempt record on disk: one file per attempt, named so that two pupils
// on two PCs writing into one shared folder never pick the same name, and
// written whole or not at all.
namespace AttemptFile {

// Records are the files of a results folder that match this.
inline const QString NamePattern = QStringLiteral("*.json");

// A file bigger than this is no record (a long attempt is a few tens of kB).
inline constexpr qint64 MaxBytes = 8 * 1024 * 1024;

// "<yyyyMMdd-HHmmss>_<pupil>_<problem base name>_<uuid>.json": the start time
// in local time, the pupil's name and the problem's base name keeping only
// letters, digits, '-' and '_' (anything else becomes '_', at most 40
// characters, "x" when nothing is left), and the uuid without braces.
QString fileName(const AttemptRecord &record, const QUuid &uuid);

// The part of a name a file name keeps, as above.
QString namePart(const QString &text);

// Reads the record in the file at path. A pipe, a device, a file that cannot
// be opened or is bigger than MaxBytes counts as damaged.
AttemptJson::ReadRecord read(const QString &path);

struct Written {
    QString path;  // the file written, when error is empty
    QString error; // otherwise an Italian message naming the folder and the cause
};

// Writes the record as a new file in folder, made if it does not exist yet.
// An existing file is never replaced: a name already taken gets another uuid.
// uuid is the first one tried (tests give one already taken).
Written write(const QString &folder, const AttemptRecord &record,
              const QUuid &uuid = QUuid::createUuid());

} // namespace AttemptFile
