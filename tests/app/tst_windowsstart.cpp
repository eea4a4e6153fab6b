// Windows only: a copy is portable, keeping its settings beside itself, when
// its folder holds the marker file and can be written.
#include "windowsstart.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestWindowsStart : public QObject {
    Q_OBJECT

private slots:
    void portableSettingsFolder_data()
    {
        QTest::addColumn<QString>("marker"); // what lies in the folder under the marker's name
        QTest::newRow("marker file") << "file";
        QTest::newRow("no marker: installed") << "";
        QTest::newRow("a folder of that name") << "folder";
    }
    void portableSettingsFolder()
    {
        QFETCH(QString, marker);
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath(WindowsStart::PortableMarker);
        QFile file(path);
        QVERIFY(marker != "file" || file.open(QIODevice::WriteOnly));
        QVERIFY(marker != "folder" || QDir().mkdir(path));
        QCOMPARE(WindowsStart::portableSettingsFolder(dir.path()),
                 marker == "file" ? QDir::cleanPath(dir.path()) : QString());
        // Trying whether the folder can be written leaves nothing behind.
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(),
                 marker.isEmpty() ? 0 : 1);
    }
};

QTEST_GUILESS_MAIN(TestWindowsStart)
#include "tst_windowsstart.moc"
