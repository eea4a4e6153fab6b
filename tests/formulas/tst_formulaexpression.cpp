// The decimals a pupil's result is read as and compared with, rounded.

#include "decimal.h"

#include <QTest>

class TestFormulaExpression : public QObject {
    Q_OBJECT

private slots:
    // Text read as a decimal and written back with so many decimals, rounded
    // half away from zero; "-" for text that is not a number.
    void decimalsReadAndRounded_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("written");
        QTest::newRow("whole") << "60" << 0 << "60";
        QTest::newRow("half goes up") << "2,345" << 2 << "2,35";
        QTest::newRow("below half goes down") << "2,3449" << 2 << "2,34";
        QTest::newRow("point as separator") << "7.5" << 1 << "7,5";
        QTest::newRow("smallest half") << "0,005" << 2 << "0,01";
        QTest::newRow("twelve decimals") << "0,000000000001" << 12 << "0,000000000001";
        QTest::newRow("thirteen decimals") << "0,0000000000001" << 0 << "-";
        QTest::newRow("empty") << "" << 0 << "-";
        QTest::newRow("no whole part") << ",5" << 0 << "-";
    }
    void decimalsReadAndRounded()
    {
        QFETCH(QString, text);
        QFETCH(int, decimals);
        QFETCH(QString, written);
        const std::optional<Decimal> value = Decimal::fromText(text);
        QCOMPARE(value ? value->toText(decimals) : QStringLiteral("-"), written);
    }

    void rootsAndQuotientsRoundAtTheLastPlace()
    {
        QCOMPARE(Decimal::fromInt(2).dividedBy(Decimal::fromInt(3))->toText(12),
                 QStringLiteral("0,666666666667"));
        QVERIFY(!Decimal::fromInt(1).dividedBy(Decimal()));
        QVERIFY(!Decimal::fromInt(1).minus(Decimal::fromInt(2))->squareRoot());
    }
};

QTEST_GUILESS_MAIN(TestFormulaExpression)
#include "tst_formulaexpression.moc"
