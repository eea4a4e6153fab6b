#include "classcsv.h"

#include "classtable.h"
#include "fileerror.h"
#include "wholefile.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace {

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

QString field(const QString &text)
{
    static const QString formulaStarts = QStringLiteral("=+-@");
    QString shown = text;
    if (!shown.isEmpty() && formulaStarts.contains(shown.front()))
        shown.prepend(QLatin1Char('\''));
    if (!shown.contains(QLatin1Char(';')) && !shown.contains(QLatin1Char('"')) &&
        !shown.contains(QLatin1Char('\n')) && !shown.contains(QLatin1Char('\r')))
        return shown;
    shown.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

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
    const QString reason = WholeFile::write(path, bytes(table));
    if (!reason.isEmpty())
        return writeFailed(path, reason);
    return {};
}

} // namespace ClassCsv
