#include "classtable.h"

#include "attemptfile.h"

#include <QDir>
#include <QHash>

#include <algorithm>

namespace {

QString counted(int count, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

QString durationText(qint64 seconds)
{
    if (seconds < 60)
        return QStringLiteral("%1 s").arg(seconds);
    return QStringLiteral("%1 min %2 s").arg(seconds / 60).arg(seconds % 60);
}

QString wrongText(const WrongEntries &wrong)
{
    QStringList kinds;
    if (wrong.data.any())
        kinds << counted(int(wrong.data.count()), "dato", "dati");
    if (wrong.formulas.any())
        kinds << counted(int(wrong.formulas.count()), "formula", "formule");
    if (wrong.results.any())
        kinds << counted(int(wrong.results.count()), "risultato", "risultati");
    if (kinds.isEmpty())
        return QStringLiteral("Nessun errore");
    return QStringLiteral("Sbagliati: ") + kinds.join(QStringLiteral(", "));
}

int wrongCount(const WrongEntries &wrong)
{
    return int(wrong.data.count() + wrong.formulas.count() + wrong.results.count());
}

qint64 secondsOf(const AttemptRecord &record)
{
    return std::max<qint64>(0, record.started.secsTo(record.ended));
}

bool pupilBefore(const QString &a, const QString &b)
{
    const int order = a.localeAwareCompare(b);
    return order != 0 ? order < 0 : a < b;
}

} // namespace

FolderRecords readFolder(const QString &folder)
{
    FolderRecords read;
    const QDir dir(folder);
    const QStringList names =
        dir.entryList({AttemptFile::NamePattern}, QDir::Files | QDir::System, QDir::Name);
    read.records.reserve(names.size());
    for (const QString &name : names) {
        AttemptJson::ReadRecord record = AttemptFile::read(dir.filePath(name));
        if (record.record)
            read.records.append(std::move(*record.record));
        else
            read.skipped.append({name, record.reason});
    }
    return read;
}

QString unreadText(int count)
{
    if (count == 0)
        return {};
    return count == 1 ? QStringLiteral("1 file non letto")
                      : QStringLiteral("%1 file non letti").arg(count);
}

WrongEntries &WrongEntries::operator|=(const WrongEntries &other)
{
    data |= other.data;
    formulas |= other.formulas;
    results |= other.results;
    return *this;
}

WrongEntries wrongEntries(const AttemptRecord &record)
{
    WrongEntries wrong;
    for (const AttemptAct &act : record.acts) {
        if (act.correct)
            continue;
        switch (act.kind) {
        case AttemptAct::Kind::Datum:
            wrong.data.set(act.index);
            break;
        case AttemptAct::Kind::Formula:
            wrong.formulas.set(act.index);
            break;
        case AttemptAct::Kind::Result:
            wrong.results.set(act.index);
            break;
        }
    }
    return wrong;
}

ClassTable::ClassTable(QObject *parent) : QAbstractTableModel(parent) {}

void ClassTable::setRecords(FolderRecords records)
{
    beginResetModel();
    m_folder = std::move(records);
    rebuild();
    endResetModel();
}

void ClassTable::setDates(const QDate &from, const QDate &to)
{
    beginResetModel();
    m_from = from;
    m_to = to;
    rebuild();
    endResetModel();
}

void ClassTable::rebuild()
{
    QList<const AttemptRecord *> chosen;
    for (const AttemptRecord &record : std::as_const(m_folder.records)) {
        const QDate day = record.started.toLocalTime().date();
        if ((m_from.isNull() || day >= m_from) && (m_to.isNull() || day <= m_to))
            chosen.append(&record);
    }
    std::stable_sort(
        chosen.begin(), chosen.end(),
        [](const AttemptRecord *a, const AttemptRecord *b) { return a->started < b->started; });
    m_attemptCount = int(chosen.size());

    QHash<QString, int> pupilRows;
    QHash<QString, int> problemColumns;
    for (const AttemptRecord *record : std::as_const(chosen)) {
        pupilRows.insert(record->pupil, 0);
        problemColumns.insert(record->problem, 0);
    }
    m_pupils = pupilRows.keys();
    std::sort(m_pupils.begin(), m_pupils.end(), pupilBefore);
    m_problems = problemColumns.keys();
    std::sort(m_problems.begin(), m_problems.end(), pupilBefore);
    for (int i = 0; i < m_pupils.size(); ++i)
        pupilRows[m_pupils.at(i)] = i;
    for (int i = 0; i < m_problems.size(); ++i)
        problemColumns[m_problems.at(i)] = i;

    const int columns = int(m_problems.size());
    m_cells = QList<ClassCell>(m_pupils.size() * columns);
    for (const AttemptRecord *record : std::as_const(chosen)) {
        ClassCell &cell = m_cells[pupilRows.value(record->pupil) * columns +
                                  problemColumns.value(record->problem)];
        cell.attempts.append(record);
        cell.finished = cell.finished || record->finished;
        cell.wrong |= wrongEntries(*record);
        cell.data = record->data;
        cell.steps = record->steps;
        cell.seconds += secondsOf(*record);
    }

    m_mostMissed.clear();
    for (int problem = 0; problem < columns; ++problem) {
        std::array<int, 8> missedBy{};
        int tried = 0;
        for (int pupil = 0; pupil < m_pupils.size(); ++pupil) {
            const ClassCell &cell = m_cells.at(pupil * columns + problem);
            if (cell.attempts.isEmpty())
                continue;
            ++tried;
            const std::bitset<8> missed = cell.wrong.missedSteps();
            for (std::size_t step = 0; step < missed.size(); ++step)
                missedBy[step] += missed.test(step) ? 1 : 0;
        }
        const auto most = std::max_element(missedBy.begin(), missedBy.end());
        if (*most == 0) {
            m_mostMissed << QStringLiteral("nessun passaggio sbagliato");
        } else {
            m_mostMissed << QStringLiteral("passaggio %1: sbagliato da %2 su %3")
                                .arg(most - missedBy.begin() + 1)
                                .arg(counted(*most, "alunno", "alunni"))
                                .arg(tried);
        }
    }
}

const ClassCell &ClassTable::cell(int pupil, int problem) const
{
    return m_cells.at(pupil * m_problems.size() + problem);
}

QString ClassTable::mostMissed(int problem) const
{
    return m_mostMissed.at(problem);
}

QStringList ClassTable::cellLines(const ClassCell &cell)
{
    if (cell.attempts.isEmpty())
        return {};
    QString state = cell.finished ? QStringLiteral("Finito") : QStringLiteral("Non finito");
    if (cell.attempts.size() > 1)
        state += QStringLiteral(" (%1 tentativi)").arg(cell.attempts.size());
    return {state, wrongText(cell.wrong), QStringLiteral("Tempo: ") + durationText(cell.seconds)};
}

int ClassTable::finishedCount(int pupil) const
{
    int count = 0;
    for (int problem = 0; problem < m_problems.size(); ++problem)
        count += cell(pupil, problem).finished ? 1 : 0;
    return count;
}

int ClassTable::triedCount(int pupil) const
{
    int count = 0;
    for (int problem = 0; problem < m_problems.size(); ++problem)
        count += cell(pupil, problem).attempts.isEmpty() ? 0 : 1;
    return count;
}

int ClassTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_pupils.size());
}

int ClassTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : FirstProblemColumn + int(m_problems.size());
}

QVariant ClassTable::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int pupil = index.row();
    if (index.column() == PupilColumn) {
        if (role == Qt::DisplayRole || role == SortRole || role == Qt::AccessibleTextRole)
            return m_pupils.at(pupil);
        return {};
    }
    if (index.column() == FinishedColumn) {
        if (role == SortRole)
            return finishedCount(pupil);
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return QStringLiteral("%1 su %2").arg(finishedCount(pupil)).arg(triedCount(pupil));
        return {};
    }
    const ClassCell &here = cell(pupil, index.column() - FirstProblemColumn);
    switch (role) {
    case Qt::DisplayRole:
        return cellLines(here).join(QLatin1Char('\n'));
    case Qt::AccessibleTextRole:
        return here.attempts.isEmpty() ? QStringLiteral("Non provato")
                                       : cellLines(here).join(QStringLiteral(", "));
    case Qt::ToolTipRole: {
        QStringList lines;
        for (const AttemptRecord *attempt : here.attempts) {
            lines << QStringLiteral("%1: %2, %3, %4")
                         .arg(attempt->started.toLocalTime().toString(
                                  QStringLiteral("dd/MM/yyyy HH:mm")),
                              attempt->finished ? QStringLiteral("finito")
                                                : QStringLiteral("non finito"),
                              wrongText(wrongEntries(*attempt)).toLower(),
                              durationText(secondsOf(*attempt)));
        }
        return lines.isEmpty() ? QVariant() : lines.join(QLatin1Char('\n'));
    }
    case SortRole:
        // Finished with few mistakes first, then unfinished, then never tried.
        if (here.attempts.isEmpty())
            return 1000000;
        return (here.finished ? 0 : 1000) + wrongCount(here.wrong);
    default:
        return {};
    }
}

QVariant ClassTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != Qt::AccessibleTextRole)
        return {};
    if (section == PupilColumn)
        return QStringLiteral("Alunno");
    if (section == FinishedColumn)
        return QStringLiteral("Problemi finiti");
    const int problem = section - FirstProblemColumn;
    const QString separator = role == Qt::DisplayRole ? QStringLiteral("\n") : QStringLiteral(", ");
    return m_problems.at(problem) + separator + mostMissed(problem);
}
