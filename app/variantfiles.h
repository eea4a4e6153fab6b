#pragma once

// zenuvio --varianti N FILE FOLDER: N variants of the problem with new
// numbers written into FOLDER as "<name>-01.znv" ..., its figure beside them,
// "<name>-schede.pdf" with one pupil's sheet per variant and
// "<name>-soluzioni.pdf" with their solutions. Everything is written first
// into a temporary folder inside FOLDER and moved into place only when all
// of it was written, so a failure leaves FOLDER as it was.

#include <QRandomGenerator>
#include <QString>
#include <QTextStream>

namespace VariantFiles {

constexpr int MostVariants = 99;

// Gives the exit status: 0 when every file was written, 1 otherwise, with
// one Italian line on `errors` saying why.
int write(int count, const QString &problemPath, const QString &folder, QTextStream &errors,
          QRandomGenerator &random);

} // namespace VariantFiles
