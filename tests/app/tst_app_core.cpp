#include "fakescreen.h"
#include "screencheck.h"
#include "versiontext.h"

#include <QTest>

class TestAppCore : public QObject {
    Q_OBJECT
private slots:
    void versionText_data();
    void versionText();
    void risoluzioneUguale_data();
    void risoluzioneUguale();
};

void TestAppCore::versionText_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<QString>("expected");

    QTest::newRow("this release") << 1 << 0 << "1.0";
    QTest::newRow("two-digit minor") << 1 << 12 << "1.12";
    QTest::newRow("minor 5 without leading zero") << 1 << 5 << "1.5";
    QTest::newRow("next major") << 2 << 0 << "2.0";
    QTest::newRow("two-digit major") << 10 << 3 << "10.3";
}

void TestAppCore::versionText()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(QString, expected);
    QCOMPARE(::versionText(major, minor), expected);
}

void TestAppCore::risoluzioneUguale_data()
{
    QTest::addColumn<float>("screenWidth");
    QTest::addColumn<float>("screenHeight");
    QTest::addColumn<int>("larghezza");
    QTest::addColumn<int>("altezza");
    QTest::addColumn<bool>("expected");
    QTest::addColumn<int>("heightReads");

    // Screens in twips: pixels x 1440 / logical dpi.
    QTest::newRow("640x480 at 96 dpi") << 9600.0f << 7200.0f << 640 << 480 << true << 1;
    QTest::newRow("640x480 at 120 dpi") << 7680.0f << 5760.0f << 640 << 480 << false << 0;
    QTest::newRow("800x600 at 96 dpi") << 12000.0f << 9000.0f << 640 << 480 << false << 0;
    QTest::newRow("1024x768 at 96 dpi") << 15360.0f << 11520.0f << 640 << 480 << false << 0;
    QTest::newRow("smaller 320x240") << 4800.0f << 3600.0f << 640 << 480 << false << 0;
    QTest::newRow("640 wide, 400 high") << 9600.0f << 6000.0f << 640 << 480 << false << 1;
    QTest::newRow("width just under") << 9599.999f << 7200.0f << 640 << 480 << false << 0;
    QTest::newRow("height just over") << 9600.0f << 7200.001f << 640 << 480 << false << 1;
    // 143165577 x 15 does not fit in 32 bits; it must not wrap round into a match.
    QTest::newRow("width twips overflow")
        << float(143165577.0 * 15) << 7200.0f << 143165577 << 480 << false << 0;
}

void TestAppCore::risoluzioneUguale()
{
    QFETCH(float, screenWidth);
    QFETCH(float, screenHeight);
    QFETCH(int, larghezza);
    QFETCH(int, altezza);
    QFETCH(bool, expected);
    QFETCH(int, heightReads);

    const FakeScreen screen(screenWidth, screenHeight);
    QCOMPARE(RisoluzioneUguale(larghezza, altezza, screen), expected);
    QCOMPARE(screen.heightReads, heightReads);
}

QTEST_GUILESS_MAIN(TestAppCore)
#include "tst_app_core.moc"
