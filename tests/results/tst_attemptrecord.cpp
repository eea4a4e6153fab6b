// The attempt record: every field through the file and back, every reason a
// file is skipped, the file name, a write that fails, two writers in a folder.
#include "attemptfile.h"

#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// Every field differs from its default, and every kind and slip occurs once.
AttemptRecord sample()
{
    const QDateTime started =
        QDateTime::fromString("2026-12-07T10:15:02.123+01:00", Qt::ISODateWithMs);
    const QDateTime ended =
        QDateTime::fromString("2026-12-07T06:19:40.456-03:00", Qt::ISODateWithMs);
    const QString hash = QString(60, 'b') + "09af"; // both ends of both digit ranges
    AttemptRecord record{
        "Niccolò; \"3ª B\"", "Rettangolo.znv", hash, started, ended, true, 3, 8, {}};
    const Slip slips[] = {Slip::None,   Slip::Unit, Slip::Decimal,   Slip::Zeros,
                          Slip::Blanks, Slip::Tab,  Slip::Dimension, Slip::Number};
    for (int n = 1; n <= 8; ++n)
        record.acts.append({started.addMSecs(1001 * n), AttemptAct::Kind(n % 3), n - 1,
                            QStringLiteral("%1,5 cm²").arg(n),
                            QStringLiteral("Attenzione: «%1»\n").arg(n), slips[n - 1] == Slip::None,
                            slips[n - 1]});
    return record;
}

// The sample's JSON with one field of the record, or of its last act, set (or
// taken away, for an undefined value).
QByteArray edited(const QString &key, const QJsonValue &value, bool ofLastAct = false)
{
    QJsonObject record = QJsonDocument::fromJson(AttemptJson::toJson(sample())).object();
    QJsonArray acts = record.value("acts").toArray();
    QJsonObject object = ofLastAct ? acts.last().toObject() : record;
    if (value.isUndefined())
        object.remove(key);
    else
        object.insert(key, value);
    acts.replace(acts.size() - 1, object);
    record.insert("acts", acts);
    return QJsonDocument(ofLastAct ? record : object).toJson();
}

bool putBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

constexpr int Read = -1;

} // namespace

class TestAttemptRecord : public QObject {
    Q_OBJECT

    std::optional<QTemporaryDir> dir;
    QString path(const QString &name) const { return dir->filePath(name); }

private slots:
    void init() { dir.emplace(); }

    // Written by the writer and read back by the reader: every field the same,
    // the times the same moments with their offset, and the same bytes again.
    void roundTrip()
    {
        const AttemptRecord record = sample();
        const AttemptFile::Written written = AttemptFile::write(path("r"), record);
        QVERIFY2(written.error.isEmpty(), qPrintable(written.error));
        const AttemptJson::ReadRecord read = AttemptFile::read(written.path);
        QVERIFY(read.record);
        QCOMPARE(AttemptJson::toJson(*read.record), AttemptJson::toJson(record));
    }

    void skipped_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: no file; "/": a folder; "|": a pipe
        QTest::addColumn<int>("reason");
        using R = AttemptJson::SkipReason;
        const QByteArray whole = AttemptJson::toJson(sample());
        QTest::newRow("whole") << whole << Read;
        QTest::newRow("truncated") << whole.left(whole.size() - 3) << int(R::Damaged);
        QTest::newRow("other format") << edited("format", "zenuvio-problem") << int(R::NotOurs);
        QTest::newRow("version 1.5") << edited("version", 1.5) << int(R::FutureVersion);
        for (const char *key : {"version", "pupil", "problem", "problemSha256", "started", "ended",
                                "finished", "data", "steps", "acts"}) {
            QTest::addRow("no %s", key) << edited(key, {}) << int(R::MissingFields);
        }
        for (const char *key : {"at", "kind", "index", "entry", "verdict", "correct", "slip"})
            QTest::addRow("act without %s", key) << edited(key, {}, true) << int(R::MissingFields);
        QTest::newRow("steps 0") << edited("steps", 0) << Read;
        QTest::newRow("steps 9") << edited("steps", 9) << int(R::MissingFields);
        QTest::newRow("data 2.5") << edited("data", 2.5) << int(R::MissingFields);
        QTest::newRow("hash short")
            << edited("problemSha256", QString(63, 'a')) << int(R::MissingFields);
        QTest::newRow("hash not hex")
            << edited("problemSha256", QString(64, 'g')) << int(R::MissingFields);
        QTest::newRow("started month 13")
            << edited("started", "2026-13-07T10:15:02.123+01:00") << int(R::MissingFields);
        QTest::newRow("no acts") << edited("acts", QJsonArray()) << Read;
        QTest::newRow("act a number") << edited("acts", QJsonArray{1}) << int(R::MissingFields);
        QTest::newRow("index 8") << edited("index", 8, true) << int(R::MissingFields);
        QTest::newRow("kind other") << edited("kind", "step", true) << int(R::MissingFields);
        QTest::newRow("too big") << QByteArray(AttemptFile::MaxBytes + 1, ' ') << int(R::Damaged);
        // A folder or a pipe named like a record is no record, and is never opened.
        QTest::newRow("missing") << QByteArray() << int(R::Damaged);
        QTest::newRow("a folder") << QByteArray("/") << int(R::Damaged);
        QTest::newRow("a pipe") << QByteArray("|") << int(R::Damaged);
    }
    void skipped()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, reason);
        if (bytes == "|")
            QCOMPARE(mkfifo(QFile::encodeName(path("a.json")).constData(), 0600), 0);
        else
            QVERIFY(bytes.isNull() || (bytes == "/" ? QDir().mkdir(path("a.json"))
                                                    : putBytes(path("a.json"), bytes)));
        const AttemptJson::ReadRecord read = AttemptFile::read(path("a.json"));
        QCOMPARE(read.record.has_value(), reason == Read);
        if (reason != Read)
            QCOMPARE(int(read.reason), reason);
    }

    void fileName_data()
    {
        QTest::addColumn<QString>("pupil");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("name");
        const auto row = [](const char *tag, const QString &pupil, const char *problem,
                            const QString &name) {
            QTest::newRow(tag) << pupil << problem << name;
        };
        row("kept and replaced", "Niccolò-3_B/../;", "a.b c.ZNV", "Niccolò-3_B______a_b_c");
        row("empty", "", ".znv", "x_x");
        row("41", QString(41, 'a'), "p", QString(40, 'a') + "_p");
    }
    void fileName()
    {
        QFETCH(QString, pupil);
        QFETCH(QString, problem);
        QFETCH(QString, name);
        AttemptRecord record = sample();
        record.pupil = pupil;
        record.problem = problem;
        const QUuid uuid("{0a1b2c3d-0000-4000-8000-00000000000f}");
        const QString started = record.started.toLocalTime().toString("yyyyMMdd-HHmmss_");
        QCOMPARE(AttemptFile::fileName(record, uuid),
                 started + name + "_0a1b2c3d-0000-4000-8000-00000000000f.json");
    }

    // Nothing is left in the folder but what was there; the message says why.
    void writeRefused_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("reason");
        QTest::newRow("disk full") << QString("full") << "il disco è pieno.";
        QTest::newRow("folder is a file")
            << QString("file") << "una parte del percorso non è una cartella.";
    }
    void writeRefused()
    {
        QFETCH(QString, folder);
        QFETCH(QString, reason);
        QVERIFY(QDir(dir->path()).mkdir("full") && putBytes(path("file"), "x"));
        rlimit before{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
        rlimit small = before;
        small.rlim_cur = folder == "full" ? 64 : before.rlim_cur;
        const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const AttemptFile::Written written = AttemptFile::write(path(folder), sample());
        setrlimit(RLIMIT_FSIZE, &before);
        signal(SIGXFSZ, previousHandler);
        QCOMPARE(written.error, "Impossibile scrivere il risultato nella cartella «" +
                                    path(folder) + "»: " + reason);
        QCOMPARE(filesIn(path("full")), QStringList());
        QCOMPARE(filesIn(dir->path()), QStringList{"file"});
    }

    // Two PCs writing the same pupil's same problem in the same second into one
    // folder make two files: a name already taken is never written over.
    void twoWriters()
    {
        const QUuid taken = QUuid::createUuid();
        const QString takenPath = path(AttemptFile::fileName(sample(), taken));
        QVERIFY(putBytes(takenPath, "first"));
        const AttemptFile::Written second = AttemptFile::write(dir->path(), sample(), taken);
        QVERIFY2(second.error.isEmpty() && second.path != takenPath, qPrintable(second.error));
        QCOMPARE(filesIn(dir->path()).size(), 2);
        QCOMPARE(QFile(takenPath).size(), 5); // "first"
    }
};

QTEST_GUILESS_MAIN(TestAttemptRecord)
#include "tst_attemptrecord.moc"
