// Why a wrong answer is wrong, as the pupil reads it beside the verdict; and
// the near misses, which get no word (a wrong number is the pupil's to find).
#include "explanations.h"

#include <QtTest>

class TestExplanations : public QObject {
    Q_OBJECT

private slots:
    void entry_data();
    void entry();
    void byValue_data();
    void byValue();
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
    // The number right, the unit of the other dimension.
    QTest::newRow("a length for an area")
        << "54 cm"
        << "54 cm²"
        << "Il numero è giusto, ma un'area si misura in unità quadrate: «54 cm²». "
           "Per scrivere «²» premi Ctrl+2.";
    QTest::newRow("a length for an area written mq")
        << "54 m"
        << "54 mq"
        << "Il numero è giusto, ma un'area si misura in unità quadrate: «54 mq».";
    QTest::newRow("an area for a length")
        << "15 cmq"
        << "15 cm"
        << "Il numero è giusto, ma una lunghezza si misura in unità lineari: «15 cm».";
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
    QTest::newRow("a length of another unit for an area") << "60 m"
                                                          << "60 cm²"
                                                          << "";
    QTest::newRow("a square of something else") << "60 x"
                                                << "60 x²"
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

// Judging by value: whether an entry is right in another form, and what is
// said beside its "Bravo".
void TestExplanations::byValue_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("note");

    const QString cm2 = "Si scrive «60 cm²». Per scrivere «²» premi Ctrl+2.";
    QTest::newRow("as written") << "15 cm"
                                << "15 cm" << true << "";
    QTest::newRow("a zero too many") << "15,0 cm"
                                     << "15 cm" << true << "Si scrive «15 cm».";
    QTest::newRow("zeros in front and behind") << "015,50 cm"
                                               << "15,5 cm" << true << "Si scrive «15,5 cm».";
    QTest::newRow("no blank") << "15cm"
                              << "15 cm" << true << "Si scrive «15 cm».";
    QTest::newRow("blanks around") << " 15 cm "
                                   << "15 cm" << true << "Si scrive «15 cm».";
    QTest::newRow("capitals") << "15 CM"
                              << "15 cm" << true << "Si scrive «15 cm».";
    QTest::newRow("cmq") << "60 cmq"
                         << "60 cm²" << true << cm2;
    QTest::newRow("cm2") << "60 cm2"
                         << "60 cm²" << true << cm2;
    QTest::newRow("cm² for the teacher's cmq") << "60 cm²"
                                               << "60 cmq" << true << "Si scrive «60 cmq».";
    QTest::newRow("no unit asked, a zero too many") << "12,0"
                                                    << "12" << true << "Si scrive «12».";
    // Still wrong.
    QTest::newRow("another number") << "16 cm"
                                    << "15 cm" << false << "";
    QTest::newRow("a digit more after the comma") << "15,01 cm"
                                                  << "15 cm" << false << "";
    QTest::newRow("another unit") << "15 m"
                                  << "15 cm" << false << "";
    QTest::newRow("a length for an area") << "60 cm"
                                          << "60 cm²" << false << "";
    QTest::newRow("an area for a length") << "15 cm²"
                                          << "15 cm" << false << "";
    QTest::newRow("no unit") << "15"
                             << "15 cm" << false << "";
    QTest::newRow("a unit where none is asked") << "12 cm"
                                                << "12" << false << "";
    QTest::newRow("a point, which may be a thousand") << "1.000 cm"
                                                      << "1 cm" << false << "";
    QTest::newRow("not a number") << "quindici cm"
                                  << "15 cm" << false << "";
    QTest::newRow("expected not a number") << "r0 "
                                           << "r0" << false << "";
}

void TestExplanations::byValue()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(bool, right);
    QFETCH(QString, note);
    QCOMPARE(Explanations::sameQuantity(typed, expected), right);
    if (right)
        QCOMPARE(Explanations::expectedForm(typed, expected), note);
}

QTEST_GUILESS_MAIN(TestExplanations)
#include "tst_explanations.moc"
