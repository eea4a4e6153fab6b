// The catalogue's formulas worked out: values by hand for a sample of every
// tab and kind, and the decimal rounding a pupil's result is compared with.

#include "decimal.h"
#include "formulacatalogue.h"
#include "formulaexpression.h"

#include <QTest>

namespace {

// "b=12;h=5" as values by name.
QHash<QString, Decimal> valuesOf(const QString &text)
{
    QHash<QString, Decimal> values;
    for (const QString &pair : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList parts = pair.split(QLatin1Char('='));
        values.insert(parts[0], *Decimal::fromText(parts[1]));
    }
    return values;
}

} // namespace

class TestFormulaExpression : public QObject {
    Q_OBJECT

private slots:
    // Worked out by hand for formulas no example uses (the examples' key check
    // covers those); the expected text has the decimals compared.
    void handWorked_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("values");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *tag, int number, const char *values, const char *expected) {
            QTest::newRow(tag) << number << QString(values) << QString(expected);
        };
        row("square side, root rounded not truncated", 1, "A=8", "2,83");
        row("sum of bases as output", 38, "A=176;h=8", "44");
        row("2HB is twice HB", 116, "KH=16;HB=6", "28");
        row("names with digits", 63, "B=24;b=10;l1=13;l2=15", "62");
        row("hypotenuse named ip", 112, "2p=48;b=16;h=12", "20");
    }
    void handWorked()
    {
        QFETCH(int, number);
        QFETCH(QString, values);
        QFETCH(QString, expected);
        const std::optional<Decimal> value =
            FormulaExpression::ofCatalogue(number).evaluate(valuesOf(values));
        QVERIFY(value);
        const int comma = expected.indexOf(QLatin1Char(','));
        QCOMPARE(value->toText(comma < 0 ? 0 : int(expected.size()) - comma - 1), expected);
    }

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
        QTest::newRow("no fraction") << "5," << 0 << "-";
        QTest::newRow("two separators") << "1,2,3" << 0 << "-";
        QTest::newRow("unit inside") << "5cm" << 0 << "-";
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
        QCOMPARE(Decimal::fromInt(2).squareRoot()->toText(12), QStringLiteral("1,414213562373"));
        QCOMPARE(Decimal::fromInt(3).squareRoot()->toText(12), QStringLiteral("1,732050807569"));
        QCOMPARE(Decimal::fromInt(2).dividedBy(Decimal::fromInt(3))->toText(12),
                 QStringLiteral("0,666666666667"));
        QVERIFY(!Decimal::fromInt(1).dividedBy(Decimal()));
        QVERIFY(!Decimal::fromInt(1).minus(Decimal::fromInt(2))->squareRoot());
    }
};

QTEST_GUILESS_MAIN(TestFormulaExpression)
#include "tst_formulaexpression.moc"
