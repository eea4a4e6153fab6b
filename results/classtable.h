#pragma once

#include "attemptrecord.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QStringList>

#include <bitset>

// The class's results: every attempt record of a folder gathered into a table
// with a row per pupil and a column per problem, for the "Risultati della
// classe" window, its printing and the CSV.
//
//   readFolder()  the folder's records, and the files that are no record
//   ClassTable    the table of the records whose start falls in the chosen
//                 dates: column 0 the pupil's name as written, column 1 the
//                 problems finished, then a column per problem by name. A
//                 cell gathers that pupil's attempts at that problem: two
//                 records with the same name and problem are two attempts.
//                 A problem's header says which step the most pupils missed.
//
// An entry (a datum, a step's formula or result) is wrong when at least one
// act on it was wrong; a step is missed when its formula or result was.

struct SkippedFile {
    QString name; // the file's name, without its folder
    AttemptJson::SkipReason reason;
};

struct FolderRecords {
    QList<AttemptRecord> records; // by file name, so by start time
    QList<SkippedFile> skipped;
};

// Reads every *.json file of the folder; nothing in it stops the rest.
FolderRecords readFolder(const QString &folder);

// "1 file non letto", "3 file non letti", or empty for none.
QString unreadText(int count);

struct WrongEntries {
    std::bitset<8> data, formulas, results;
    std::bitset<8> missedSteps() const { return formulas | results; }
    WrongEntries &operator|=(const WrongEntries &other);
};
WrongEntries wrongEntries(const AttemptRecord &record);

// What one pupil did at one problem within the dates.
struct ClassCell {
    QList<const AttemptRecord *> attempts; // by start time; empty: never tried
    bool finished = false;                 // in at least one attempt
    WrongEntries wrong;                    // in any attempt
    int data = 0;                          // as the last attempt says
    int steps = 0;
    qint64 seconds = 0; // all attempts together
};

class ClassTable : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int PupilColumn = 0;
    static constexpr int FinishedColumn = 1;
    static constexpr int FirstProblemColumn = 2;
    // What the window sorts by: names as text, the rest as numbers.
    static constexpr int SortRole = Qt::UserRole;

    explicit ClassTable(QObject *parent = nullptr);

    void setRecords(FolderRecords records);
    // Only attempts started from `from` to `to`, both included; a null date
    // leaves that end open.
    void setDates(const QDate &from, const QDate &to);

    const QList<SkippedFile> &skipped() const { return m_folder.skipped; }
    int attemptCount() const { return m_attemptCount; }
    const QStringList &pupils() const { return m_pupils; }
    const QStringList &problems() const { return m_problems; }
    const ClassCell &cell(int pupil, int problem) const;
    // "passaggio 3: sbagliato da 14 alunni su 25", "nessun passaggio sbagliato"
    QString mostMissed(int problem) const;
    // The cell's lines: finished or not (and the attempts), the wrong entries, the time.
    static QStringList cellLines(const ClassCell &cell);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    void rebuild();
    int finishedCount(int pupil) const;
    int triedCount(int pupil) const;

    FolderRecords m_folder;
    QDate m_from;
    QDate m_to;
    QStringList m_pupils;
    QStringList m_problems;
    QList<ClassCell> m_cells; // row by row
    QStringList m_mostMissed;
    int m_attemptCount = 0;
};
