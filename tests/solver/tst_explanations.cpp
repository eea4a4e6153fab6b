// Why a wrong answer is wrong, as the pupil reads it beside the verdict; and
// the near misses, which get no word (a wrong number is the pupil's to find).
#include "explanations.h"

#include <QtTest>

class TestExplanations : public QObject {
    Q_OBJECT

private slots:
    void entry_data();
    void entry();
};

void TestExplanations::entry_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("explanation");

    const QString unitCm2 = "Il numero è giusto, ma l'unità di misura si scrive «cm²». "
                            "Per scrivere «²» premi Ctrl+2.";
    QTest::newRow("cmq") << "60 cmq"
                         << "60 cm²" << unitCm2;
    QTest::newRow("cm2") << "60 cm2"
                         << "60 cm²" << unitCm2;
    QTest::newRow("cm^2") << "60 cm^2"
                          << "60 cm²" << unitCm2;
    QTest::newRow("capitals") << "60 CM²"
                              << "60 cm²"
                              << "Il numero è giusto, ma l'unità di misura si scrive «cm²».";
    QTest::newRow("capitals, length") << "12 Cm"
                                      << "12 cm"
                                      << "Il numero è giusto, ma l'unità di misura si scrive «cm».";
    QTest::newRow("no unit") << "60"
                             << "60 cm²"
                             << "Il numero è giusto, ma manca l'unità di misura: «cm²». "
                                "Per scrivere «²» premi Ctrl+2.";
    QTest::newRow("a zero too many")
        << "60,0 cm²"
        << "60 cm²"
        << "Il numero è giusto, ma va scritto «60», senza zeri in più.";
    QTest::newRow("decimal point") << "7.5 cm"
                                   << "7,5 cm"
                                   << "Il numero è giusto, ma in italiano i decimali si scrivono "
                                      "con la virgola: «7,5».";
    QTest::newRow("decimal zero") << "7,50 cm"
                                  << "7,5 cm"
                                  << "Il numero è giusto, ma va scritto «7,5», senza zeri in più.";
    QTest::newRow("point and unit") << "7.5 CM"
                                    << "7,5 cm"
                                    << "Il numero è giusto, ma in italiano i decimali si scrivono "
                                       "con la virgola: «7,5» e l'unità di misura si scrive «cm».";
    QTest::newRow("a blank too many") << "60 cm² "
                                      << "60 cm²"
                                      << "Il numero e l'unità sono giusti, ma gli spazi no: "
                                         "scrivi «60 cm²».";
    QTest::newRow("no blank before the unit") << "60cm²"
                                              << "60 cm²"
                                              << "Il numero e l'unità sono giusti, ma gli spazi "
                                                 "no: scrivi «60 cm²».";
    // Near misses: nothing to say.
    QTest::newRow("right") << "60 cm²"
                           << "60 cm²"
                           << "";
    QTest::newRow("another number") << "6 cm²"
                                    << "60 cm²"
                                    << "";
    QTest::newRow("comma in the wrong place") << "75"
                                              << "7,5"
                                              << "";
    QTest::newRow("another unit") << "60 m"
                                  << "60 cm"
                                  << "";
    QTest::newRow("a length for an area") << "60 cm"
                                          << "60 cm²"
                                          << "";
    QTest::newRow("a unit where none is asked") << "12 cm"
                                                << "12"
                                                << "";
    QTest::newRow("not a number") << "dodici"
                                  << "a"
                                  << "";
    QTest::newRow("expected not a number") << "12"
                                           << "dodici"
                                           << "";
}

void TestExplanations::entry()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(QString, explanation);
    QCOMPARE(Explanations::forEntry(typed, expected), explanation);
}

QTEST_GUILESS_MAIN(TestExplanations)
#include "tst_explanations.moc"
