// The settings: what a value in either file reads as, a settings file that
// is not a regular file, what is kept, and the README and the help naming
// exactly the keys of the table.
#include "settings.h"
#include "settingstable.h"
#include "temporarysettings.h"

#include <QtTest>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace {

// The keys a document lists in its section that starts at `heading`.
QSet<QString> keysIn(const QString &path, const QString &heading, const QString &keyPattern)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    const int start = text.indexOf(heading);
    const int end = text.indexOf(QRegularExpression("\n(## |<h[12])"), start + heading.size());
    QSet<QString> keys;
    auto found = QRegularExpression(keyPattern).globalMatch(text.mid(start, end - start));
    while (start >= 0 && found.hasNext())
        keys << found.next().captured(1);
    return keys;
}

// "section/name=value" as a settings file; a key alone, no file.
QByteArray fileText(const QString &line)
{
    if (!line.contains('='))
        return {};
    const QString key = line.section('=', 0, 0);
    return QStringLiteral("[%1]\n%2=%3\n")
        .arg(key.section('/', 0, 0), key.section('/', 1), line.section('=', 1))
        .toUtf8();
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    // A line of the user's file and of the machine's (a key alone: no file),
    // and what the key of the first reads as.
    void values_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("machine");
        QTest::addColumn<QString>("value");
        const auto row = [](const char *tag, const char *user, const char *machine,
                            const char *value) { QTest::newRow(tag) << user << machine << value; };
        row("no file: bool default", "solving/explanations", "", "true");
        row("bool garbage", "classroom/hideEditor=sì", "", "false");
        row("machine's file", "classroom/hideEditor", "classroom/hideEditor=true", "true");
        row("user's file wins", "solving/equivalentForms=false", "solving/equivalentForms=true",
            "false");
        row("garbage in user's, default not machine's", "reading/easy=maybe", "reading/easy=true",
            "false");
        row("size at the low limit", "window/size=100", "", "100");
        row("size at the high limit", "window/size=300", "", "300");
        row("size below", "window/size=99", "", "100");
        row("size above", "window/size=301", "", "100");
        row("size beyond int", "window/size=99999999999", "", "100");
        row("size not whole", "window/size=150.5", "", "100");
        row("rate at the low limit", "speech/rate=-1", "", "-1");
        row("rate below", "speech/rate=-1.01", "", "0");
        row("volume at the high limit", "speech/volume=1", "", "1");
        row("volume not a number", "speech/volume=nan", "", "1");
        row("folder with a comma", "dialogs/lastFolder=/scuola/3A,B", "", "/scuola/3A,B");
    }
    void values()
    {
        QFETCH(QString, user);
        QFETCH(QString, machine);
        QFETCH(QString, value);
        TemporarySettings temporary(fileText(user), fileText(machine));
        const QByteArray key = user.section('=', 0, 0).toLatin1();
        QCOMPARE(temporary.settings().value(SettingKey<QVariant>{key.constData()}).toString(),
                 value);
        QVERIFY(temporary.settings().notice().isEmpty());
    }

    void unfitFile_data()
    {
        QTest::addColumn<bool>("machine"); // the machine's file, else the user's
        QTest::newRow("user's file") << false;
        QTest::newRow("machine's file") << true;
    }
    // A settings file that is a named pipe would wait for a writer for ever if
    // opened: the program starts with the defaults, says so once, and keeps
    // what is changed for this run.
    void unfitFile()
    {
        QFETCH(bool, machine);
#ifdef Q_OS_WIN
        QSKIP("Windows has no named pipes in a folder.");
#else
        TemporarySettings temporary("[classroom]\nhideEditor=true\n");
        const QString path = machine ? temporary.files().system : temporary.files().user;
        QFile::remove(path);
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        Settings settings = Settings::open(temporary.files());
        QCOMPARE(settings.notice(),
                 QStringLiteral("Il file delle impostazioni %1 non è un file normale: Zenuvio "
                                "parte con le impostazioni iniziali e questa volta non le "
                                "conserva.")
                     .arg(path));
        QVERIFY(!settings.value(Setting::HideEditor));
        settings.setValue(Setting::WindowSize, 200);
        QCOMPARE(settings.value(Setting::WindowSize), 200);
        QCOMPARE(QFileInfo(path).isFile(), false);
#endif
    }

    // A value set is in the file at once (the program may start itself again
    // without ending) and read back by the next run.
    void keptAtOnce()
    {
        TemporarySettings temporary;
        temporary.settings().setValue(Setting::LastFolder, QStringLiteral("/scuola/3A,B"));
        temporary.settings().setValue(Setting::SpeechRate, -0.5);
        const Settings next = Settings::open(temporary.files());
        QCOMPARE(next.value(Setting::LastFolder), "/scuola/3A,B");
        QCOMPARE(next.value(Setting::SpeechRate), -0.5);
    }

    void documentsListTheTable_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("keyPattern");
        QTest::newRow("README") << ZENUVIO_SOURCE_DIR "/README.md"
                                << "## Settings"
                                << "\\| `([a-z]+/[A-Za-z]+)` \\|";
        QTest::newRow("help") << ZENUVIO_SOURCE_DIR "/resources/beside/Aiuto.HLP"
                              << "name=\"impostazioni\""
                              << "<td><tt>([a-z]+/[A-Za-z]+)</tt></td>";
    }
    void documentsListTheTable()
    {
        QFETCH(QString, path);
        QFETCH(QString, heading);
        QFETCH(QString, keyPattern);
        QSet<QString> table;
        for (const SettingRow &row : SettingsTable::rows())
            table << row.key;
        QCOMPARE(keysIn(path, heading, keyPattern), table);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
