#include "cp1252.h"

#include <QtTest>

class TestCp1252 : public QObject {
    Q_OBJECT
private slots:
    void knownCharacters_data();
    void knownCharacters();
    void everyByteSurvives();
    void unencodable_data();
    void unencodable();
};

void TestCp1252::knownCharacters_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << QByteArray("Area 5 cm") << QStringLiteral("Area 5 cm");
    QTest::newRow("euro") << QByteArray("\x80") << QStringLiteral("€");
    QTest::newRow("typographic") << QByteArray("\x93\x94\x91\x92\x85\x96\x97")
                                 << QStringLiteral("“”‘’…–—");
    QTest::newRow("upper half") << QByteArray("\xE0\xE8\xB2\xB0\xFF") << QStringLiteral("àè²°ÿ");
    QTest::newRow("undefined bytes")
        << QByteArray("\x81\x8D\x8F\x90\x9D") << QStringLiteral("\u0081\u008D\u008F\u0090\u009D");
    QTest::newRow("0x9F") << QByteArray("\x9F\x8A\x8E") << QStringLiteral("ŸŠŽ");
}

void TestCp1252::knownCharacters()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(Cp1252::decode(bytes), text);
    QCOMPARE(Cp1252::encode(text), bytes);
    QVERIFY(Cp1252::unencodable(text).isEmpty());
}

void TestCp1252::everyByteSurvives()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = Cp1252::decode(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(Cp1252::encode(text), all);
}

void TestCp1252::unencodable_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("missing");
    QTest::addColumn<QByteArray>("encoded");
    QTest::newRow("all fit") << QStringLiteral("àé €") << QString() << QByteArray("\xE0\xE9 \x80");
    QTest::newRow("root and pi") << QStringLiteral("√2·π√") << QStringLiteral("√π")
                                 << QByteArray("?2\xB7??");
    // U+0080 is Latin-1's, not Windows-1252's: 0x80 is the euro sign.
    QTest::newRow("latin-1 control")
        << QStringLiteral("\u0080") << QStringLiteral("\u0080") << QByteArray("?");
    QTest::newRow("outside 16 bits")
        << QStringLiteral("a😀b😀") << QStringLiteral("😀") << QByteArray("a?b?");
    QTest::newRow("lone surrogate")
        << QString(QChar(0xD83D)) + QStringLiteral("😀")
        << QString(QChar(0xD83D)) + QStringLiteral("😀") << QByteArray("??");
}

void TestCp1252::unencodable()
{
    QFETCH(QString, text);
    QFETCH(QString, missing);
    QFETCH(QByteArray, encoded);
    QCOMPARE(Cp1252::unencodable(text), missing);
    QCOMPARE(Cp1252::encode(text), encoded);
}

QTEST_GUILESS_MAIN(TestCp1252)
#include "tst_cp1252.moc"
