// The class table from a folder of records made here: the cells, the most
// missed step, the dates, and the CSV's bytes.
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

private slots:
    // Anna and Bruno at "Rettangolo", Bruno twice and Zoe (a semicolon and quotes
    // in her name) at "Rombo", on three days (at "Rombo" steps 2 and 3 missed by
    // one pupil each: the first is named); a cut record, a note that is no .json.
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
        QCOMPARE(table.skipped().size(), 1); // the cut record, not the note
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

    // Pupil by pupil, "Rettangolo" then "Rombo": two attempts add their time and
    // their mistakes, and one finished is enough; seconds alone below a minute.
    void cells()
    {
        QStringList texts;
        for (int row = 0; row < table.rowCount(); ++row)
            for (int column : {2, 3})
                texts << table.index(row, column).data().toString();
        QCOMPARE(texts,
                 (QStringList{
                     "Finito\nSbagliati: 1 dato, 1 formula\nTempo: 4 min 30 s", "",
                     "Non finito\nSbagliati: 1 dato, 1 formula\nTempo: 30 s",
                     "Finito (2 tentativi)\nSbagliati: 1 formula, 1 risultato\nTempo: 10 min 59 s",
                     "", "Finito\nNessun errore\nTempo: 1 min 0 s"}));
    }

    // Both ends of the dates are included; a null date leaves its end open.
    void dates_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QStringList>("pupils");
        const QDate day5(2026, 12, 5), day6(2026, 12, 6), day7(2026, 12, 7);
        QTest::newRow("one day") << day6 << day6 << QStringList{"Bruno"};
        QTest::newRow("up to the first") << QDate() << day5 << QStringList{"Anna"};
        QTest::newRow("from the last") << day7 << QDate() << QStringList{"Bruno", "Zoe; \"3B\""};
    }
    void dates()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QStringList, pupils);
        table.setDates(from, to);
        QCOMPARE(table.pupils(), pupils);
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
        row("line end", "Riga\nnuova", "\"Riga\nnuova\"");
        row("empty", "", "");
    }
    void csvField()
    {
        QFETCH(QString, name);
        QFETCH(QString, field);
        QCOMPARE(ClassCsv::field(name), field);
    }

    // The file is whole or not written: a full disk leaves the old one.
    void csvWrite()
    {
        const QString path = dir.filePath("riepilogo.csv");
        QVERIFY(putBytes(path, "old"));
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
        QCOMPARE(fileBytes(path), "old");
        QCOMPARE(ClassCsv::write(path, table), QString());
        QCOMPARE(fileBytes(path), ClassCsv::bytes(table));
    }
};

QTEST_GUILESS_MAIN(TestClassTable)
#include "tst_classtable.moc"
