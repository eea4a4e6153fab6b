// The command line read into a request, and the pupil's-machine line of the
// settings file, without any window.
#include "commandline.h"
#include "programsettings.h"
#include "qtitalian.h"
#include "versiontext.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QtTest>

using CommandLine::Request;
Q_DECLARE_METATYPE(std::optional<WorkMode>)

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void parse_data();
    void parse();
    void settingsFile_data();
    void settingsFile();
};

void TestCommandLine::initTestCase()
{
    QtItalian::install(*QCoreApplication::instance());
    QStandardPaths::setTestModeEnabled(true);
}

void TestCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("settingHidesEditor");
    QTest::addColumn<std::optional<WorkMode>>("mode");
    QTest::addColumn<QString>("file"); // relative to the current folder
    QTest::addColumn<bool>("hideEditor");
    QTest::addColumn<int>("exitCode");   // -1: the program goes on
    QTest::addColumn<QString>("output"); // text the output contains

    const std::optional<WorkMode> start, editor = WorkMode::Editor, solving = WorkMode::Solving;
    const int on = -1, usage = CommandLine::UsageError;
    QTest::newRow("nothing") << QStringList{} << false << start << "" << false << on << "";
    QTest::newRow("file") << QStringList{"Rettangolo.znv"} << false << solving << "Rettangolo.znv"
                          << false << on << "";
    QTest::newRow("missing file, reported once opened")
        << QStringList{"non-esiste.znv"} << false << solving << "non-esiste.znv" << false << on
        << "";
    QTest::newRow("--editor") << QStringList{"--editor"} << false << editor << "" << false << on
                              << "";
    QTest::newRow("--editor FILE") << QStringList{"--editor", "Rombo.znv"} << false << editor
                                   << "Rombo.znv" << false << on << "";
    QTest::newRow("-editor, one dash")
        << QStringList{"-editor"} << false << editor << "" << false << on << "";
    QTest::newRow("--risoluzione")
        << QStringList{"--risoluzione"} << false << solving << "" << false << on << "";
    QTest::newRow("--senza-editor")
        << QStringList{"--senza-editor"} << false << start << "" << true << on << "";
    QTest::newRow("--senza-editor FILE") << QStringList{"--senza-editor", "Rombo.znv"} << false
                                         << solving << "Rombo.znv" << true << on << "";
    QTest::newRow("pupil's machine by the settings file")
        << QStringList{} << true << start << "" << true << on << "";
    QTest::newRow("--editor on a pupil's machine")
        << QStringList{"--editor"} << true << start << "" << true << usage
        << "zenuvio: su questo computer l'editor non è disponibile.";
    QTest::newRow("--editor --senza-editor")
        << QStringList{"--editor", "--senza-editor"} << false << start << "" << false << usage
        << "l'editor non è disponibile";
    QTest::newRow("--editor --risoluzione")
        << QStringList{"--editor", "--risoluzione"} << false << start << "" << false << usage
        << "--editor e --risoluzione non vanno insieme.";
    QTest::newRow("two files") << QStringList{"Rombo.znv", "Quadrato.znv"} << false << start << ""
                               << false << usage << "un problema alla volta";
    QTest::newRow("empty file name") << QStringList{""} << false << start << "" << false << usage
                                     << "il nome del problema è vuoto.";
    // Qt's own texts, from Qt's Italian translation.
    QTest::newRow("unknown option") << QStringList{"--pippo"} << false << start << "" << false
                                    << usage << "zenuvio: Opzione sconosciuta 'pippo'.";
    QTest::newRow("--help") << QStringList{"--help"} << false << start << "" << false << 0
                            << "Utilizzo:";
    QTest::newRow("--version") << QStringList{"--version"} << false << start << "" << false << 0
                               << "Zenuvio " + programVersionText() + "\n";
}

void TestCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, settingHidesEditor);
    QFETCH(std::optional<WorkMode>, mode);
    QFETCH(QString, file);
    QFETCH(bool, hideEditor);
    QFETCH(int, exitCode);
    QFETCH(QString, output);

    const Request request =
        CommandLine::parse(QStringList{"zenuvio"} + arguments, settingHidesEditor);
    QCOMPARE(request.exits, exitCode != -1);
    if (request.exits) {
        QCOMPARE(request.exitCode, exitCode);
        QVERIFY2(request.output.contains(output), qPrintable(request.output));
        if (exitCode != 0) {
            QVERIFY(request.output.startsWith("zenuvio: "));
            QCOMPARE(request.output.count('\n'), 1);
            QVERIFY(request.output.endsWith('\n'));
        }
        return;
    }
    QCOMPARE(request.mode, mode);
    // Made absolute now: the work window changes the current folder.
    QCOMPARE(request.file, file.isEmpty() ? file : QDir::current().absoluteFilePath(file));
    QCOMPARE(request.hideEditor, hideEditor);
}

// The line a technician writes into Zenuvio's settings file.
void TestCommandLine::settingsFile_data()
{
    QTest::addColumn<QByteArray>("content"); // no file at all when null
    QTest::addColumn<bool>("hidden");
    QTest::newRow("no settings file") << QByteArray() << false;
    QTest::newRow("hideEditor=true") << QByteArray("[classroom]\nhideEditor=true\n") << true;
    QTest::newRow("hideEditor=false") << QByteArray("[classroom]\nhideEditor=false\n") << false;
    QTest::newRow("other section") << QByteArray("[other]\nhideEditor=true\n") << false;
}

void TestCommandLine::settingsFile()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, hidden);
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Zenuvio";
    QVERIFY(QDir().mkpath(folder));
    QFile file(folder + "/Zenuvio.conf");
    file.remove();
    if (!content.isNull()) {
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
    }
    QCOMPARE(ProgramSettings::hidesEditor(), hidden);
    file.remove();
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
