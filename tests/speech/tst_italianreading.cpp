// How the program says numbers, units and formulas aloud, checked word for
// word against Italian as it is spoken: one row for each kind of text.
#include "italianreading.h"

#include <QtTest>

class TestItalianReading : public QObject {
    Q_OBJECT

private slots:
    void spoken_data();
    void spoken();
};

void TestItalianReading::spoken_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("words");
    QTest::newRow("an integer") << "23000"
                                << "ventitremila";
    QTest::newRow("a decimal") << "1.250,05"
                               << "milleduecentocinquanta virgola zero cinque";
    QTest::newRow("a unit") << "1 cm"
                            << "un centimetro";
    QTest::newRow("a square unit") << "56,25 cm²"
                                   << "cinquantasei virgola venticinque centimetri quadrati";
    QTest::newRow("a formula") << "BD = √(AB² + DA²)"
                               << "BD = √(AB al quadrato + DA al quadrato)";
}

void TestItalianReading::spoken()
{
    QFETCH(QString, text);
    QFETCH(QString, words);
    QCOMPARE(ItalianReading::spoken(text), words);
}

QTEST_GUILESS_MAIN(TestItalianReading)
#include "tst_italianreading.moc"
