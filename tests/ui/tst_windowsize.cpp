// The sizes of the windows: moving between them, and the largest that lets
// the work window fit a screen, whatever scale the desktop already uses.
#include "windowsize.h"

#include <QtTest>

#include <limits>

class TestWindowSize : public QObject {
    Q_OBJECT

private slots:
    void steps_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<QString>("listedLargerSmaller");
        QTest::newRow("smallest") << 100 << "100 125 100";
        QTest::newRow("half way, the smaller") << 225 << "200 250 200";
        QTest::newRow("largest") << 300 << "300 300 250";
        QTest::newRow("int minimum") << std::numeric_limits<int>::min() << "100 100 100";
        QTest::newRow("int maximum") << std::numeric_limits<int>::max() << "300 300 300";
    }

    void steps()
    {
        QFETCH(int, percent);
        QFETCH(QString, listedLargerSmaller);
        QCOMPARE(QStringLiteral("%1 %2 %3")
                     .arg(WindowSize::listed(percent))
                     .arg(WindowSize::larger(percent))
                     .arg(WindowSize::smaller(percent)),
                 listedLargerSmaller);
    }

    void toStartAt_data()
    {
        // The size a restart passed on, the command line's, the settings' (0: none).
        QTest::addColumn<int>("restarted");
        QTest::addColumn<int>("commandLine");
        QTest::addColumn<int>("saved");
        QTest::addColumn<int>("size");
        QTest::newRow("none") << 0 << 0 << 0 << 100;
        QTest::newRow("saved") << 0 << 0 << 175 << 175;
        QTest::newRow("command line over saved") << 0 << 250 << 175 << 250;
        QTest::newRow("restart over both") << 150 << 250 << 175 << 150;
        QTest::newRow("saved, int minimum") << 0 << 0 << std::numeric_limits<int>::min() << 100;
        QTest::newRow("command line, int minimum")
            << 0 << std::numeric_limits<int>::min() << 200 << 200;
    }

    void toStartAt()
    {
        QFETCH(int, restarted);
        QFETCH(int, commandLine);
        QFETCH(int, saved);
        QFETCH(int, size);
        QCOMPARE(WindowSize::toStartAt(restarted, commandLine, saved), size);
    }

    void fitting_data()
    {
        // A screen of `physical` pixels with `panel` pixels taken at the bottom, a
        // desktop scale, the size the program runs at and the size wanted.
        QTest::addColumn<QSize>("physical");
        QTest::addColumn<int>("panel");
        QTest::addColumn<double>("desktop");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("wanted");
        QTest::addColumn<int>("fits");
        QTest::newRow("laptop with a panel, 150 %")
            << QSize(1366, 768) << 32 << 1.0 << 150 << 150 << 100;
        QTest::newRow("800x600 fits nothing larger")
            << QSize(800, 600) << 0 << 1.0 << 125 << 125 << 100;
        QTest::newRow("4K at desktop scale 2, 300 %")
            << QSize(3840, 2160) << 0 << 2.0 << 300 << 300 << 175;
        QTest::newRow("a smaller size wanted")
            << QSize(3840, 2160) << 0 << 1.0 << 300 << 125 << 125;
    }

    void fitting()
    {
        QFETCH(QSize, physical);
        QFETCH(int, panel);
        QFETCH(double, desktop);
        QFETCH(int, current);
        QFETCH(int, wanted);
        QFETCH(int, fits);
        // What the program sees at the size it runs at.
        const double ratio = desktop * current / 100;
        const QSize available(qFloor(physical.width() / ratio),
                              qFloor((physical.height() - panel) / ratio));
        QCOMPARE(
            WindowSize::fitting(wanted, current, QSize(792, 573), QSize(16, 48), available, ratio),
            fits);
    }
};

QTEST_GUILESS_MAIN(TestWindowSize)
#include "tst_windowsize.moc"
