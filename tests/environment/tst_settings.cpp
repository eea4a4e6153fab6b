// The settings: what a value in either file reads as, a settings file that
// is not a regular file, what is kept, the test double's nesting, and the
// README and the help naming exactly the keys of the table.
#include "settings.h"
#include "temporarysettings.h"

#include <QRegularExpression>
#include <QtTest>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace {

// A setting's value in words, whatever its type.
QString read(const Settings &settings, const QString &key)
{
    for (const auto &key_ : {Setting::HideEditor, Setting::Explanations, Setting::EquivalentForms,
                             Setting::ReadAloud, Setting::EasyReading}) {
        if (key == key_.key)
            return settings.value(key_) ? "true" : "false";
    }
    if (key == Setting::WindowSize.key)
        return QString::number(settings.value(Setting::WindowSize));
    for (const auto &key_ : {Setting::SpeechRate, Setting::SpeechVolume}) {
        if (key == key_.key)
            return QString::number(settings.value(key_));
    }
    for (const auto &key_ : {Setting::LastFolder, Setting::ResultsFolder}) {
        if (key == key_.key)
            return settings.value(key_);
    }
    return "unknown key";
}

// "section/name=value" as lines of a settings file.
QByteArray fileText(const QString &line)
{
    if (line.isEmpty())
        return {};
    const QString key = line.section('=', 0, 0);
    return QStringLiteral("[%1]\n%2=%3\n")
        .arg(key.section('/', 0, 0), key.section('/', 1), line.section('=', 1))
        .toUtf8();
}

// The keys named in a part of a text: from the heading to the next one.
QSet<QString> keysIn(const QString &path, const QString &heading, const QString &keyPattern)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    const int start = text.indexOf(heading);
    if (start < 0)
        return {};
    const int end = text.indexOf(QRegularExpression("\n(## |<h[12])"), start + heading.size());
    QSet<QString> keys;
    auto found = QRegularExpression(keyPattern).globalMatch(text.mid(start, end - start));
    while (found.hasNext())
        keys << found.next().captured(1);
    return keys;
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void values_data();
    void values();
    void unfitFile_data();
    void unfitFile();
    void keptAtOnce();
    void temporarySettingsNest();
    void readmeAndHelpListTheTable_data();
    void readmeAndHelpListTheTable();
};

void TestSettings::values_data()
{
    // A line of the user's file and of the machine's, the key read and what it reads as.
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("machine");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("no file: bool default") << ""
                                           << ""
                                           << "solving/explanations"
                                           << "true";
    QTest::newRow("no file: text default") << ""
                                           << ""
                                           << "results/folder"
                                           << "";
    QTest::newRow("bool written") << "classroom/hideEditor=true"
                                  << ""
                                  << "classroom/hideEditor"
                                  << "true";
    QTest::newRow("bool as 0") << "solving/explanations=0"
                               << ""
                               << "solving/explanations"
                               << "false";
    QTest::newRow("bool garbage") << "classroom/hideEditor=sì"
                                  << ""
                                  << "classroom/hideEditor"
                                  << "false";
    QTest::newRow("machine's file") << ""
                                    << "classroom/hideEditor=true"
                                    << "classroom/hideEditor"
                                    << "true";
    QTest::newRow("user's file wins") << "solving/equivalentForms=false"
                                      << "solving/equivalentForms=true"
                                      << "solving/equivalentForms"
                                      << "false";
    QTest::newRow("garbage in user's, default not machine's") << "reading/easy=maybe"
                                                              << "reading/easy=true"
                                                              << "reading/easy"
                                                              << "false";
    QTest::newRow("size at the low limit") << "window/size=100"
                                           << ""
                                           << "window/size"
                                           << "100";
    QTest::newRow("size at the high limit") << "window/size=300"
                                            << ""
                                            << "window/size"
                                            << "300";
    QTest::newRow("size below") << "window/size=99"
                                << ""
                                << "window/size"
                                << "100";
    QTest::newRow("size above") << "window/size=301"
                                << ""
                                << "window/size"
                                << "100";
    QTest::newRow("size int minimum") << "window/size=-2147483648"
                                      << ""
                                      << "window/size"
                                      << "100";
    QTest::newRow("size beyond int") << "window/size=99999999999"
                                     << ""
                                     << "window/size"
                                     << "100";
    QTest::newRow("size not whole") << "window/size=150.5"
                                    << ""
                                    << "window/size"
                                    << "100";
    QTest::newRow("rate at the low limit") << "speech/rate=-1"
                                           << ""
                                           << "speech/rate"
                                           << "-1";
    QTest::newRow("rate below") << "speech/rate=-1.01"
                                << ""
                                << "speech/rate"
                                << "0";
    QTest::newRow("volume at the high limit") << "speech/volume=1"
                                              << ""
                                              << "speech/volume"
                                              << "1";
    QTest::newRow("volume above") << "speech/volume=1.01"
                                  << ""
                                  << "speech/volume"
                                  << "1";
    QTest::newRow("volume not a number") << "speech/volume=nan"
                                         << ""
                                         << "speech/volume"
                                         << "1";
    QTest::newRow("folder with a comma") << "dialogs/lastFolder=/scuola/3A,B"
                                         << ""
                                         << "dialogs/lastFolder"
                                         << "/scuola/3A,B";
}

void TestSettings::values()
{
    QFETCH(QString, user);
    QFETCH(QString, machine);
    QFETCH(QString, key);
    QFETCH(QString, value);
    TemporarySettings temporary(fileText(user), fileText(machine));
    QCOMPARE(read(temporary.settings(), key), value);
    QVERIFY(temporary.settings().notice().isEmpty());
}

void TestSettings::unfitFile_data()
{
    QTest::addColumn<bool>("machine"); // the machine's file, else the user's
    QTest::addColumn<bool>("pipe");    // a named pipe, else a folder
#ifndef Q_OS_WIN
    QTest::newRow("user's file a pipe") << false << true;
    QTest::newRow("machine's file a pipe") << true << true;
#endif
    QTest::newRow("user's file a folder") << false << false;
}

// Opening a named pipe would wait for a writer for ever: the program starts
// with the defaults, says so once, and keeps what is changed for this run.
void TestSettings::unfitFile()
{
    QFETCH(bool, machine);
    QFETCH(bool, pipe);
    TemporarySettings temporary("[classroom]\nhideEditor=true\n");
    const QString path = machine ? temporary.files().system : temporary.files().user;
    QFile::remove(path);
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
#ifndef Q_OS_WIN
    if (pipe)
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
#endif
    if (!pipe)
        QVERIFY(QDir().mkdir(path));
    Settings settings = Settings::open(temporary.files());
    QCOMPARE(settings.notice(),
             QStringLiteral("Il file delle impostazioni %1 non è un file normale: Zenuvio parte "
                            "con le impostazioni iniziali e questa volta non le conserva.")
                 .arg(path));
    QVERIFY(!settings.value(Setting::HideEditor));
    settings.setValue(Setting::WindowSize, 200);
    QCOMPARE(settings.value(Setting::WindowSize), 200);
    QCOMPARE(QFileInfo(path).isFile(), false);
}

// A value set is in the file at once (the program may start itself again
// without ending), in a folder made for it, and read back by the next run.
void TestSettings::keptAtOnce()
{
    TemporarySettings temporary;
    temporary.settings().setValue(Setting::LastFolder, QStringLiteral("/scuola/3A,B"));
    temporary.settings().setValue(Setting::SpeechRate, -0.5);
    QVERIFY(temporary.userText().contains("lastFolder="));
    const Settings next = Settings::open(temporary.files());
    QCOMPARE(next.value(Setting::LastFolder), "/scuola/3A,B");
    QCOMPARE(next.value(Setting::SpeechRate), -0.5);
}

// Each double names its files while it lives and gives back those before it.
void TestSettings::temporarySettingsNest()
{
    const QString real = Settings::programFiles().user;
    {
        TemporarySettings outer;
        QCOMPARE(Settings::programFiles().user, outer.files().user);
        {
            TemporarySettings inner;
            QCOMPARE(Settings::programFiles().user, inner.files().user);
            QVERIFY(inner.files().user != outer.files().user);
        }
        QCOMPARE(Settings::programFiles().user, outer.files().user);
    }
    QCOMPARE(Settings::programFiles().user, real);
}

void TestSettings::readmeAndHelpListTheTable_data()
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

void TestSettings::readmeAndHelpListTheTable()
{
    QFETCH(QString, path);
    QFETCH(QString, heading);
    QFETCH(QString, keyPattern);
    QSet<QString> table;
    for (const SettingRow &row : SettingsTable::rows())
        table << row.key;
    QCOMPARE(keysIn(path, heading, keyPattern), table);
    // Every key of the table is read by the code under its name.
    for (const QString &key : table)
        QVERIFY2(read(Settings(), key) != "unknown key", qPrintable(key));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
