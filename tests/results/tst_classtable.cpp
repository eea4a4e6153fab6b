// The class table from a folder of records made here: finished and unfinished
// attempts, two attempts at one problem, files that are no record; the cells,
// the most missed step, the dates, and the CSV's bytes.
#include "attemptfile.h"
#include "classcsv.h"
#include "classtable.h"

#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

// Acts as "d0- d0+ f2- r2+": datum 0 wrong then right, step 3's formula wrong,
// its result right.
AttemptRecord record(const QString &pupil, const QString &problem, const char *started, int seconds,
                     bool finished, const QString &acts)
{
    const QDateTime start = QDateTime::fromString(QLatin1String(started), Qt::ISODate);
    AttemptRecord record{
        pupil, problem, QString(64, '0'), start, start.addSecs(seconds), finished, 2, 3, {}};
    for (const QString &act : acts.split(' ', Qt::SkipEmptyParts)) {
        const bool correct = act[2] == '+';
        record.acts.append({start.addSecs(record.acts.size() + 1),
                            AttemptAct::Kind(QString("dfr").indexOf(act[0])), act[1].digitValue(),
                            "5", correct ? "Bravo" : "Errato", correct,
                            correct ? Slip::None : Slip::Number});
    }
    return record;
}

bool putBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class TestClassTable : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    ClassTable table;

    int column(const QString &problem) const { return int(table.problems().indexOf(problem)); }
    int row(const QString &pupil) const { return int(table.pupils().indexOf(pupil)); }

private slots:
    // The class: Anna and Bruno at "Rettangolo", Bruno twice at "Rombo", Zoe
    // (with a semicolon and quotes in her name) at "Rombo", on three days (at
    // "Rombo" steps 2 and 3 are missed by one pupil each: the first is named); a
    // cut record, and a note that is no .json at all.
    void initTestCase()
    {
        const AttemptRecord records[] = {
            record("Anna", "Rettangolo.znv", "2026-12-05T09:00:00", 270, true,
                   "d0- d0- d0+ d1+ f0+ r0+ f1+ r1+ f2- f2+ r2+"),
            record("Bruno", "Rettangolo.znv", "2026-12-06T09:00:00", 30, false, "d0+ d1- f2-"),
            record("Bruno", "Rombo.znv", "2026-12-06T10:00:00", 600, true, "d0+ r1-"),
            record("Bruno", "Rombo.znv", "2026-12-07T10:00:00", 59, false, "d0+ d1+ f0+ f2-"),
            record("Zoe; \"3B\"", "Rombo.znv", "2026-12-07T11:00:00", 60, true, ""),
        };
        for (const AttemptRecord &each : records)
            QVERIFY(AttemptFile::write(dir.path(), each).error.isEmpty());
        QVERIFY(putBytes(dir.filePath("cut.json"), AttemptJson::toJson(records[0]).left(200)));
        QVERIFY(putBytes(dir.filePath("note.txt"), "appunti"));
        table.setRecords(readFolder(dir.path()));
    }
    void init() { table.setDates({}, {}); }

    void folder()
    {
        QCOMPARE(table.attemptCount(), 5);
        QCOMPARE(table.pupils(), (QStringList{"Anna", "Bruno", "Zoe; \"3B\""}));
        QCOMPARE(table.problems(), (QStringList{"Rettangolo.znv", "Rombo.znv"}));
        using R = AttemptJson::SkipReason;
        QList<std::pair<QString, R>> skipped;
        for (const SkippedFile &file : table.skipped())
            skipped.append({file.name, file.reason});
        QCOMPARE(skipped, (QList<std::pair<QString, R>>{{"cut.json", R::Damaged}}));
        QCOMPARE(table.columnCount(), 4);
        QCOMPARE(table.headerData(2, Qt::Horizontal).toString(),
                 "Rettangolo.znv\npassaggio 3:\nsbagliato da 2 alunni su 2");
        QCOMPARE(table.headerData(3, Qt::Horizontal).toString(),
                 "Rombo.znv\npassaggio 2:\nsbagliato da 1 alunno su 2");
    }

    void unread()
    {
        QCOMPARE((QStringList{unreadText(0), unreadText(1), unreadText(3)}),
                 (QStringList{"", "1 file non letto", "3 file non letti"}));
    }

    // A datum wrong twice is one wrong datum; two attempts add their time and
    // their mistakes, and one finished is enough.
    void cells_data()
    {
        QTest::addColumn<QString>("pupil");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("finished");
        QTest::addColumn<int>("sortKey");
        const auto row = [](const char *tag, const char *pupil, const char *problem,
                            const char *text, const char *finished, int sortKey) {
            QTest::newRow(tag) << pupil << problem << text << finished << sortKey;
        };
        row("finished with slips", "Anna", "Rettangolo.znv",
            "Finito\nSbagliati: 1 dato, 1 formula\nTempo: 4 min 30 s", "1 su 1", 2);
        row("unfinished", "Bruno", "Rettangolo.znv",
            "Non finito\nSbagliati: 1 dato, 1 formula\nTempo: 30 s", "1 su 2", 1002);
        row("two attempts", "Bruno", "Rombo.znv",
            "Finito (2 tentativi)\nSbagliati: 1 formula, 1 risultato\nTempo: 10 min 59 s", "1 su 2",
            2);
        row("no mistakes", "Zoe; \"3B\"", "Rombo.znv", "Finito\nNessun errore\nTempo: 1 min 0 s",
            "1 su 1", 0);
        row("never tried", "Zoe; \"3B\"", "Rettangolo.znv", "", "1 su 1", 1000000);
    }
    void cells()
    {
        QFETCH(QString, pupil);
        QFETCH(QString, problem);
        QFETCH(QString, text);
        QFETCH(QString, finished);
        QFETCH(int, sortKey);
        const QModelIndex cell =
            table.index(row(pupil), ClassTable::FirstProblemColumn + column(problem));
        QCOMPARE(cell.data().toString(), text);
        QCOMPARE(cell.data(ClassTable::SortRole).toInt(), sortKey);
        QCOMPARE(table.index(row(pupil), ClassTable::PupilColumn).data().toString(), pupil);
        QCOMPARE(table.index(row(pupil), ClassTable::FinishedColumn).data().toString(), finished);
    }

    // Both ends of the dates are included; a null date leaves its end open.
    void dates_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<int>("attempts");
        QTest::addColumn<QStringList>("pupils");
        const QDate day5(2026, 12, 5), day6(2026, 12, 6), day7(2026, 12, 7);
        QTest::newRow("one day") << day6 << day6 << 2 << QStringList{"Bruno"};
        QTest::newRow("up to the first") << QDate() << day5 << 1 << QStringList{"Anna"};
        QTest::newRow("from the last")
            << day7 << QDate() << 2 << QStringList{"Bruno", "Zoe; \"3B\""};
        QTest::newRow("none") << day7.addDays(1) << QDate() << 0 << QStringList{};
    }
    void dates()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(int, attempts);
        QFETCH(QStringList, pupils);
        table.setDates(from, to);
        QCOMPARE(table.attemptCount(), attempts);
        QCOMPARE(table.pupils(), pupils);
        QCOMPARE(table.rowCount(), pupils.size());
    }

    void csv()
    {
        const QByteArray expected =
            "\xEF\xBB\xBF"
            "Alunno;Problema;Tentativi;Finito;Dati;Dati sbagliati;Passaggi;Formule sbagliate;"
            "Risultati sbagliati;Minuti;Inizio;Fine\r\n"
            "Anna;Rettangolo.znv;1;sì;2;1;3;1;0;4,5;05/12/2026 09:00;05/12/2026 09:04\r\n"
            "Bruno;Rettangolo.znv;1;no;2;1;3;1;0;0,5;06/12/2026 09:00;06/12/2026 09:00\r\n"
            "Bruno;Rombo.znv;2;sì;2;0;3;1;1;11,0;06/12/2026 10:00;07/12/2026 10:00\r\n"
            "\"Zoe; \"\"3B\"\"\";Rombo.znv;1;sì;2;0;3;0;0;1,0;07/12/2026 11:00;07/12/2026 "
            "11:01\r\n";
        QCOMPARE(ClassCsv::bytes(table), expected);
    }

    // Names never taken for a formula (the class's CSV shows the quoting).
    void csvField_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("field");
        const auto row = [](const char *tag, const char *name, const char *field) {
            QTest::newRow(tag) << name << field;
        };
        row("@", "@Anna", "'@Anna");
        row("= and semicolon", "=A1;B", "\"'=A1;B\"");
        row("= inside", "Anna=B", "Anna=B");
        row("empty", "", "");
    }
    void csvField()
    {
        QFETCH(QString, name);
        QFETCH(QString, field);
        QCOMPARE(ClassCsv::field(name), field);
    }

    // A name with a line end stays one field; the file is whole or not written.
    void csvWrite()
    {
        ClassTable one;
        FolderRecords records;
        records.records << record("Riga\nnuova", "a;b.znv", "2026-12-05T09:00:00", 6, true, "");
        one.setRecords(records);
        const QString path = dir.filePath("riepilogo.csv");
        QCOMPARE(ClassCsv::write(path, one), QString());
        QVERIFY(fileBytes(path).endsWith("\r\n\"Riga\nnuova\";\"a;b.znv\";1;sì;2;0;3;0;0;0,1;"
                                         "05/12/2026 09:00;05/12/2026 09:00\r\n"));
        const QByteArray before = fileBytes(path);
        rlimit limit{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
        const rlimit saved = limit;
        limit.rlim_cur = 64;
        const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        const QString error = ClassCsv::write(path, table);
        setrlimit(RLIMIT_FSIZE, &saved);
        signal(SIGXFSZ, previousHandler);
        QCOMPARE(error,
                 "Impossibile scrivere il riepilogo nel file «" + path + "»: il disco è pieno.");
        QCOMPARE(fileBytes(path), before);
        QCOMPARE(ClassCsv::write(dir.path(), one),
                 "Impossibile scrivere il riepilogo nel file «" + dir.path() +
                     "»: esiste già una cartella con questo nome.");
        QFile::remove(path);
    }
};

QTEST_GUILESS_MAIN(TestClassTable)
#include "tst_classtable.moc"
