// Checks that the pictures compiled into the program load, and that the
// files kept beside the program reach its folder and are usable there.

#include "zenuvioresources.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QStringDecoder>
#include <QTest>
#include <QtEndian>

class TestResources : public QObject {
    Q_OBJECT

private slots:
    void skyIsEmbedded();
    void iconFileHoldsBothSizes();
    void programIconHasBothSizes();
    void besidePictureFitsItsBox_data();
    void besidePictureFitsItsBox();
    void helpFileIsUtf8Html_data();
    void helpFileIsUtf8Html();

private:
    static int distinctColours(const QImage &image)
    {
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        QSet<QRgb> colours;
        for (int y = 0; y < argb.height(); ++y)
            for (int x = 0; x < argb.width(); ++x)
                colours.insert(argb.pixel(x, y));
        return int(colours.size());
    }

    static QString besideFile(const QString &name)
    {
        return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
    }
};

void TestResources::skyIsEmbedded()
{
    QVERIFY(QFile::exists(ZenuvioResources::skyPicturePath()));
    const QImage sky(ZenuvioResources::skyPicturePath());
    QCOMPARE(sky.size(), QSize(640, 480));
}

void TestResources::iconFileHoldsBothSizes()
{
    QImageReader reader(ZenuvioResources::iconFilePath(), "ico");
    QCOMPARE(reader.imageCount(), 2);
    QList<QSize> sizes;
    for (int i = 0; i < reader.imageCount(); ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        sizes << image.size();
    }
    QCOMPARE(sizes, (QList<QSize>{QSize(32, 32), QSize(16, 16)}));

    // Both directory entries promise 16 colours at 4 bits per pixel.
    QFile file(ZenuvioResources::iconFilePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.size() > 6 + 2 * 16);
    for (int entry = 0; entry < 2; ++entry) {
        const char *e = bytes.constData() + 6 + 16 * entry;
        QCOMPARE(int(uchar(e[2])), 16);
        QCOMPARE(qFromLittleEndian<quint16>(e + 6), quint16(4));
    }
}

void TestResources::programIconHasBothSizes()
{
    const QIcon icon = ZenuvioResources::programIcon();
    const QList<QSize> sizes = icon.availableSizes();
    QVERIFY(sizes.contains(QSize(32, 32)));
    QVERIFY(sizes.contains(QSize(16, 16)));
    QCOMPARE(icon.pixmap(QSize(16, 16)).size(), QSize(16, 16));
}

void TestResources::besidePictureFitsItsBox_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("box");

    // The figure box shows 237 x 101 pixels inside its border; a formula
    // slot 125 x 37, of which "Vuoto.gif" must fill no more than a formula
    // picture's 113 x 41 and must keep its frame inside the 37 pixels.
    const QSize figureBox(237, 101);
    QTest::newRow("Clicca") << "Clicca.gif" << figureBox;
    QTest::newRow("Vuoto") << "Vuoto.gif" << QSize(113, 37);
    QTest::newRow("Rettangolo") << "Rettangolo.gif" << figureBox;
    QTest::newRow("Rombo") << "Rombo.gif" << figureBox;
    QTest::newRow("TrapezioRettangolo") << "TrapezioRettangolo.gif" << figureBox;
    QTest::newRow("TriangoloIsoscele") << "TriangoloIsoscele.gif" << figureBox;
}

void TestResources::besidePictureFitsItsBox()
{
    QFETCH(QString, name);
    QFETCH(QSize, box);

    QImageReader reader(besideFile(name));
    QCOMPARE(reader.format(), QByteArray("gif"));
    const QImage picture = reader.read();
    QVERIFY2(!picture.isNull(), qPrintable(besideFile(name) + ": " + reader.errorString()));
    QVERIFY2(picture.width() <= box.width() && picture.height() <= box.height(),
             qPrintable(QStringLiteral("%1 x %2").arg(picture.width()).arg(picture.height())));
    QVERIFY2(distinctColours(picture) >= 2, "the picture is blank");
}

void TestResources::helpFileIsUtf8Html_data()
{
    QTest::addColumn<QString>("words");

    QTest::newRow("charset") << R"(<meta charset="utf-8">)";
    QTest::newRow("start buttons") << "Risoluzione|Editor|Info|Esci";
    QTest::newRow("editor buttons") << "Nuovo|Salva|Apri|.znv";
    QTest::newRow("messages") << "Bravo|Errato|Errata|Bravo. Scegli la formula|Bravo. Hai finito.";
    QTest::newRow("keys") << "F1|Invio";
    QTest::newRow("accents") << "è|à|unità";
    QTest::newRow("tabs")
        << "Quadrato|Rettangolo|Parallelogr.|Rombo|Trap. Isoscele|Trap. Rettangolo|"
           "Trap. Scaleno|Trap. Pitagora|Tri. Isoscele|Tri. Scaleno|Tri. Rettangolo|"
           "Tri. Equilatero";
}

void TestResources::helpFileIsUtf8Html()
{
    QFETCH(QString, words);

    QFile file(besideFile("Aiuto.HLP"));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(file.readAll());
    QVERIFY(!utf8.hasError());
    QVERIFY(text.startsWith("<!DOCTYPE HTML"));
    QVERIFY(text.contains("</html>"));
    for (const QString &word : words.split(QLatin1Char('|')))
        QVERIFY2(text.contains(word), qPrintable(word));
}

QTEST_MAIN(TestResources)
#include "test_resources.moc"
