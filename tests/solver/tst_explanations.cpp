// Why a wrong answer is wrong, as the pupil reads it beside the verdict and as
// the attempt records it; the near misses, which get no word (a wrong number
// is the pupil's to find); and,
// judging by value, which other forms are right and how they are written.
#include "explanations.h"

#include <QtTest>

#include <array>

class TestExplanations : public QObject {
    Q_OBJECT

private slots:
    void entry_data();
    void entry();
    void byValue_data();
    void byValue();
};

// The kind of slip the attempt records, the typed entry, the expected one,
// and the explanation ("" for none).
void TestExplanations::entry_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("slip");
    QTest::addColumn<QString>("explanation");
    const QString squared = " Per scrivere «²» premi Ctrl+2.";
    const QString cm2 = "Il numero è giusto, ma l'unità di misura si scrive «cm²»." + squared;
    const QString blanks = "Il numero e l'unità sono giusti, ma gli spazi no: scrivi «60 cm²».";
    const QString comma = "Il numero è giusto, ma in italiano i decimali si scrivono con la "
                          "virgola: «7,5»";
    const QString area = "Il numero è giusto, ma un'area si misura in unità quadrate: ";
    const QList<std::array<QString, 5>> rows = {
        {"cmq", "unit", "60 cmq", "60 cm²", cm2},
        {"capitals", "unit", "60 CM²", "60 cm²",
         "Il numero è giusto, ma l'unità di misura si scrive «cm²»."},
        {"no unit", "unit", "60", "60 cm²",
         "Il numero è giusto, ma manca l'unità di misura: «cm²»." + squared},
        {"a zero too many", "zeros", "60,0 cm²", "60 cm²",
         "Il numero è giusto, ma va scritto «60», senza zeri in più."},
        {"decimal point", "decimal", "7.5 cm", "7,5 cm", comma + "."},
        {"point and unit", "decimal", "7.5 CM", "7,5 cm",
         comma + " e l'unità di misura si scrive «cm»."},
        {"a blank too many", "blanks", "60 cm² ", "60 cm²", blanks},
        {"a length for an area", "dimension", "54 cm", "54 cm²", area + "«54 cm²»." + squared},
        {"a length for an area written mq", "dimension", "54 m", "54 mq", area + "«54 mq»."},
        {"an area for a length", "dimension", "15 cmq", "15 cm",
         "Il numero è giusto, ma una lunghezza si misura in unità lineari: «15 "
         "cm»."},
        {"right", "", "60 cm²", "60 cm²", ""},
        {"another number", "number", "6 cm²", "60 cm²", ""},
        {"another unit", "number", "60 m", "60 cm", ""},
        {"a square of something else", "dimension", "60 x", "60 x²", ""},
        {"a unit where none is asked", "number", "12 cm", "12", ""},
    };
    for (const auto &row : rows)
        QTest::newRow(qPrintable(row[0])) << row[2] << row[3] << row[1] << row[4];
}

void TestExplanations::entry()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(QString, slip);
    QFETCH(QString, explanation);
    QCOMPARE(Explanations::forEntry(typed, expected), explanation);
    QCOMPARE(AttemptJson::slipName(Explanations::slipOf(typed, expected)), slip);
}

// The typed entry, the expected one, and what is said beside its "Bravo"
// ("-": still wrong).
void TestExplanations::byValue_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("note");
    const QString cm2 = "Si scrive «60 cm²». Per scrivere «²» premi Ctrl+2.";
    const QList<std::array<QString, 4>> rows = {
        {"as written", "15 cm", "15 cm", ""},
        {"a zero too many", "15,0 cm", "15 cm", "Si scrive «15 cm»."},
        {"cmq", "60 cmq", "60 cm²", cm2},
        {"cm² for the teacher's cmq", "60 cm²", "60 cmq", "Si scrive «60 cmq»."},
        {"another number", "16 cm", "15 cm", "-"},
        {"a length for an area", "60 cm", "60 cm²", "-"},
        {"a point, which may be a thousand", "1.000 cm", "1 cm", "-"},
        {"not a number", "quindici cm", "15 cm", "-"},
    };
    for (const auto &row : rows)
        QTest::newRow(qPrintable(row[0])) << row[1] << row[2] << row[3];
}

void TestExplanations::byValue()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(QString, note);
    QCOMPARE(Explanations::sameQuantity(typed, expected), note != "-");
    if (note != "-")
        QCOMPARE(Explanations::expectedForm(typed, expected), note);
}

QTEST_GUILESS_MAIN(TestExplanations)
#include "tst_explanations.moc"
