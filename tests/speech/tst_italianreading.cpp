// How the program says numbers and units aloud, checked word for word against
// Italian as it is spoken: the joins of number words that trip people up, the
// decimal comma, thousands, the units and their spellings, and text that is
// not a number, which stays as written.
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

    const QList<std::pair<const char *, const char *>> rows = {
        // Whole numbers, and where their parts meet.
        {"0", "zero"},
        {"1", "uno"},
        {"17", "diciassette"},
        {"20", "venti"},
        {"21", "ventuno"},
        {"23", "ventitré"},
        {"28", "ventotto"},
        {"99", "novantanove"},
        {"100", "cento"},
        {"101", "centouno"},
        {"103", "centotré"},
        {"108", "centootto"},
        {"180", "centottanta"},
        {"281", "duecentottantuno"},
        {"999", "novecentonovantanove"},
        {"1000", "mille"},
        {"1001", "milleuno"},
        {"1003", "milletré"},
        {"1080", "milleottanta"},
        {"3000", "tremila"},
        {"23000", "ventitremila"},
        {"999999", "novecentonovantanovemilanovecentonovantanove"},
        {"1200000", "un milione duecentomila"},
        {"23000003", "ventitré milioni tre"},
        {"1000000000", "un miliardo"},
        {"007", "zero zero sette"},
        {"1234567890123", "uno due tre quattro cinque sei sette otto nove zero uno due tre"},
        // Thousands written with points.
        {"12.500", "dodicimilacinquecento"},
        {"1.000.000", "un milione"},
        {"1.250,5", "milleduecentocinquanta virgola cinque"},
        // Decimals: zeros after the comma one by one, then the rest as a number.
        {"56,25", "cinquantasei virgola venticinque"},
        {"7,05", "sette virgola zero cinque"},
        {"7,50", "sette virgola cinquanta"},
        {"0,001", "zero virgola zero zero uno"},
        {"3,14159", "tre virgola uno quattro uno cinque nove"},
        {"7.5", "sette punto cinque"},
        // Units after a number, however they are written.
        {"12 cm", "dodici centimetri"},
        {"12cm", "dodici centimetri"},
        {"1 cm", "un centimetro"},
        {"1,5 km", "uno virgola cinque chilometri"},
        {"5 mm", "cinque millimetri"},
        {"2 m", "due metri"},
        {"1 m²", "un metro quadrato"},
        {"56,25 cm²", "cinquantasei virgola venticinque centimetri quadrati"},
        {"60 cmq", "sessanta centimetri quadrati"},
        {"60 cm^2", "sessanta centimetri quadrati"},
        {"1 dm2", "un decimetro quadrato"},
        {"3 dam", "tre decametri"},
        // Text around numbers, and what is not a number.
        {"Un rettangolo ABCD ha la base AB lunga 12 cm e l'altezza DA lunga 5 cm.",
         "Un rettangolo ABCD ha la base AB lunga dodici centimetri e l'altezza DA lunga cinque "
         "centimetri."},
        {"un quadrato di 5 metri", "un quadrato di cinque metri"},
        {"In tutto hai sbagliato 1 dato, 1 formula e 2 risultati.",
         "In tutto hai sbagliato un dato, una formula e due risultati."},
        {"1 e 2", "uno e due"},
        {"Per scrivere «²» premi Ctrl+2.", "Per scrivere «al quadrato» premi Ctrl+due."},
        {"BD = √(AB² + DA²)", "BD = √(AB al quadrato + DA al quadrato)"},
        {"2p uguale b più h, il tutto per 2", "2p uguale b più h, il tutto per due"},
        {"l1, l2, AB2", "l1, l2, AB2"},
        {"cm", "cm"},
        {"", ""},
    };
    for (const auto &[text, words] : rows)
        QTest::newRow(*text ? text : "(empty)")
            << QString::fromUtf8(text) << QString::fromUtf8(words);
}

void TestItalianReading::spoken()
{
    QFETCH(QString, text);
    QFETCH(QString, words);
    QCOMPARE(ItalianReading::spoken(text), words);
}

QTEST_GUILESS_MAIN(TestItalianReading)
#include "tst_italianreading.moc"
