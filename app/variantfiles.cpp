#include "variantfiles.h"

#include "figurelocator.h"
#include "problemfigure.h"
#include "problemfile.h"
#include "variants.h"
#include "worksheet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

namespace VariantFiles {

namespace {

int failed(QTextStream &errors, const QString &line)
{
    errors << line << Qt::endl;
    return 1;
}

// Moves the written files into place, the last one replacing an older file of
// its name; on a failure the ones already moved are taken away again.
QString moveAll(const QDir &from, const QStringList &names, const QDir &to)
{
    QStringList moved;
    for (const QString &name : names) {
        const QByteArray source = QFile::encodeName(from.filePath(name));
        const QByteArray target = QFile::encodeName(to.filePath(name));
        if (std::rename(source.constData(), target.constData()) != 0) {
            for (const QString &done : moved)
                QFile::remove(to.filePath(done));
            return QStringLiteral("Impossibile scrivere il file «%1».")
                .arg(QDir::toNativeSeparators(to.filePath(name)));
        }
        moved << name;
    }
    return {};
}

} // namespace

int write(int count, const QString &problemPath, const QString &folder, QTextStream &errors,
          QRandomGenerator &random)
{
    const ReadResult read = ProblemFile::read(problemPath);
    if (!read.problem)
        return failed(errors, read.error);
    const QFileInfo target(folder);
    const QString shownFolder = QDir::toNativeSeparators(target.absoluteFilePath());
    if (!target.isDir())
        return failed(errors, QStringLiteral("Impossibile scrivere le varianti in «%1»: non è "
                                             "una cartella.")
                                  .arg(shownFolder));
    const Variants::Outcome outcome = Variants::makeMany(*read.problem, count, random);
    if (!outcome.refusal.isEmpty())
        return failed(errors, QStringLiteral("Nessuna variante di «%1»: %2")
                                  .arg(QDir::toNativeSeparators(problemPath), outcome.refusal));

    QTemporaryDir temporary(QDir(target.absoluteFilePath()).filePath(".zenuvio-varianti-XXXXXX"));
    if (!temporary.isValid())
        return failed(errors, QStringLiteral("Impossibile scrivere le varianti in «%1»: %2")
                                  .arg(shownFolder, temporary.errorString()));
    const QDir work(temporary.path());
    const QString name = QFileInfo(problemPath).completeBaseName();
    QStringList names;
    for (int i = 0; i < outcome.variants.size(); ++i) {
        names << QStringLiteral("%1-%2.znv").arg(name).arg(i + 1, 2, 10, QLatin1Char('0'));
        const QString error = ProblemFile::write(work.filePath(names.last()), outcome.variants[i]);
        if (!error.isEmpty())
            return failed(errors, error);
    }
    // The figure travels beside the variants, unless it is there already.
    const QString &figureName = read.problem->figureName;
    const QString figurePath = FigureLocator::locate(figureName, problemPath);
    const ProblemFigure::Figure figure =
        ProblemFigure::load(figureName, problemPath, ProblemFigure::Use::Sheet);
    if (!figure.notice.isEmpty())
        errors << figure.notice << Qt::endl;
    if (!figurePath.isEmpty() &&
        QFileInfo(figurePath).absolutePath() != QDir(target.absoluteFilePath()).absolutePath()) {
        if (!QFile::copy(figurePath, work.filePath(figureName)))
            return failed(errors, QStringLiteral("Impossibile copiare la figura «%1» in «%2».")
                                      .arg(figureName, shownFolder));
        names << figureName;
    }
    const QString sheets = name + QStringLiteral("-schede.pdf");
    const QString keys = name + QStringLiteral("-soluzioni.pdf");
    for (const auto &[file, part] : {std::pair{sheets, Worksheet::SetPart::Sheets},
                                     std::pair{keys, Worksheet::SetPart::Keys}}) {
        const QString error =
            Worksheet::writeSetPdf(work.filePath(file), outcome.variants, figure.image, part);
        if (!error.isEmpty())
            return failed(errors, error);
        names << file;
    }
    const QString error = moveAll(work, names, QDir(target.absoluteFilePath()));
    if (!error.isEmpty())
        return failed(errors, error);
    return 0;
}

} // namespace VariantFiles
