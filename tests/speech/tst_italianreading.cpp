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
        {"21", "ventuno"},
        {"23", "ventitré"},
        {"108", "centootto"},
        {"180", "centottanta"},
        {"1001", "milleuno"},
        {"23000", "ventitremila"},
        {"999999", "novecentonovantanovemilanovecentonovantanove"},
        {"1200000", "un milione duecentomila"},
        {"1000000000", "un miliardo"},
        {"007", "zero zero sette"},
        {"1234567890123", "uno due tre quattro cinque sei sette otto nove zero uno due tre"},
        // Thousands written with points; decimals: zeros after the comma one
        // by one, then the rest as a number.
        {"1.250,5", "milleduecentocinquanta virgola cinque"},
        {"7,05", "sette virgola zero cinque"},
        {"7.5", "sette punto cinque"},
        // Units after a number, however they are written.
        {"1 cm", "un centimetro"},
        {"56,25 cm²", "cinquantasei virgola venticinque centimetri quadrati"},
        {"60 cmq", "sessanta centimetri quadrati"},
        {"1 dm2", "un decimetro quadrato"},
        // Text around numbers, and what is not a number.
        {"In tutto hai sbagliato 1 dato, 1 formula e 2 risultati.",
         "In tutto hai sbagliato un dato, una formula e due risultati."},
        {"Per scrivere «²» premi Ctrl+2.", "Per scrivere «al quadrato» premi Ctrl+due."},
        {"BD = √(AB² + DA²)", "BD = √(AB al quadrato + DA al quadrato)"},
        {"2p uguale b più h, il tutto per 2", "2p uguale b più h, il tutto per due"},
        {"l1, l2, AB2", "l1, l2, AB2"},
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
