#include "classcsv.h"

#include "classtable.h"
#include "fileerror.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>

#include <cerrno>

namespace {

QString field(const QString &text)
{
    if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString timeText(const QDateTime &time)
{
    return time.toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm"));
}

QString writeFailed(const QString &path, const QString &reason)
{
    return QStringLiteral("Impossibile scrivere il riepilogo nel file «%1»: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

namespace ClassCsv {

QByteArray bytes(const ClassTable &table)
{
    QLocale italian(QLocale::Italian, QLocale::Italy);
    italian.setNumberOptions(QLocale::OmitGroupSeparator);
    const QString header = QStringLiteral(
        "Alunno;Problema;Tentativi;Finito;Dati;Dati sbagliati;Passaggi;Formule sbagliate;"
        "Risultati sbagliati;Minuti;Inizio;Fine");
    QStringList lines{header};
    for (int pupil = 0; pupil < table.pupils().size(); ++pupil) {
        for (int problem = 0; problem < table.problems().size(); ++problem) {
            const ClassCell &cell = table.cell(pupil, problem);
            if (cell.attempts.isEmpty())
                continue;
            const QStringList fields{
                field(table.pupils().at(pupil)),
                field(table.problems().at(problem)),
                QString::number(cell.attempts.size()),
                cell.finished ? QStringLiteral("sì") : QStringLiteral("no"),
                QString::number(cell.data),
                QString::number(cell.wrong.data.count()),
                QString::number(cell.steps),
                QString::number(cell.wrong.formulas.count()),
                QString::number(cell.wrong.results.count()),
                italian.toString(double(cell.seconds) / 60, 'f', 1),
                timeText(cell.attempts.first()->started),
                timeText(cell.attempts.last()->ended),
            };
            lines << fields.join(QLatin1Char(';'));
        }
    }
    return "\xEF\xBB\xBF" + lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}

QString write(const QString &path, const ClassTable &table)
{
    const QFileInfo target(path);
    if (target.isDir())
        return writeFailed(path, QStringLiteral("esiste già una cartella con questo nome."));
    if (target.exists() && !target.isFile())
        return writeFailed(path, FileError::notARegularFile());
    const QByteArray csv = bytes(table);
    // Unbuffered, so that a write the disk cannot take fails here and not
    // inside commit(), which would then keep a cut file.
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return writeFailed(path, FileError::reason(errno, file));
    errno = 0;
    if (file.write(csv) != csv.size()) {
        const QString reason = FileError::reason(errno, file);
        file.cancelWriting();
        return writeFailed(path, reason);
    }
    errno = 0;
    if (!file.commit())
        return writeFailed(path, FileError::reason(errno, file));
    return {};
}

} // namespace ClassCsv
