// GIF files are checked by reading them back with Qt's own GIF reader and
// comparing every pixel, plus a look at the bytes that the reader forgives.

#include "formularenderer.h"
#include "gifwriter.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

QImage decode(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, "gif");
    const QImage image = reader.read();
    if (image.isNull())
        qWarning() << "GIF not readable:" << reader.errorString();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage blank(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

// Pixels picked at random among the given colours, always the same for a seed.
QImage noise(int width, int height, const QList<QRgb> &colours, quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, colours[random.bounded(int(colours.size()))]);
    }
    return image;
}

QList<QRgb> greys(int count, bool withTransparent)
{
    QList<QRgb> colours;
    for (int i = 0; i < count; ++i)
        colours << qRgb(i * 255 / qMax(1, count - 1), 17 * i % 256,
                        255 - i * 255 / qMax(1, count - 1));
    if (withTransparent)
        colours << qRgba(0, 0, 0, 0);
    return colours;
}

// Full-colour noise: every pixel a colour of its own.
QImage fullColour(int width, int height)
{
    QRandomGenerator random(7);
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, 0xff000000u | (random.generate() & 0xffffffu));
    }
    return image;
}

} // namespace

class TestGifWriter : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void manyColoursAreMappedNearby();
    void halfTransparentPixels();
    void headerAndFrame_data();
    void headerAndFrame();
    void writeReportsFailure_data();
    void writeReportsFailure();
    void writeCreatesReadableFile();
};

// Pictures of at most 256 colours (the transparent one counted) come back exactly.
void TestGifWriter::roundTrip_data()
{
    QTest::addColumn<QImage>("image");
    const QRgb white = qRgb(255, 255, 255);
    const QRgb clear = qRgba(0, 0, 0, 0);
    QTest::newRow("formula picture") << FormulaRenderer::render(FormulaCatalogue::entry(35));
    QTest::newRow("sharp formula picture")
        << FormulaRenderer::render(FormulaCatalogue::entry(4), 2.0);
    QTest::newRow("one pixel") << blank(1, 1, white);
    QTest::newRow("one transparent pixel") << blank(1, 1, clear);
    QTest::newRow("all transparent") << blank(40, 30, clear);
    QTest::newRow("long run of one colour") << blank(500, 400, qRgb(10, 20, 30));
    for (int height : {2, 3, 4, 5, 8, 9, 17}) {
        // Each interlace pass empty or not, in every combination.
        QTest::addRow("%d rows", height) << noise(7, height, greys(4, true), height);
    }
    QTest::newRow("two colours, no transparency") << noise(64, 48, greys(2, false), 1);
    QTest::newRow("3 colours") << noise(33, 21, greys(3, false), 2);
    QTest::newRow("255 colours and transparent") << noise(97, 83, greys(255, true), 3);
    QTest::newRow("256 colours, none transparent") << noise(97, 83, greys(256, false), 4);
    // Enough varied pixels to fill the 4096-code table many times over.
    QTest::newRow("16-colour noise") << noise(300, 300, greys(16, true), 5);
    QTest::newRow("256-colour noise") << noise(400, 300, greys(256, false), 6);
}

void TestGifWriter::roundTrip()
{
    QFETCH(QImage, image);
    const QImage expected = image.convertToFormat(QImage::Format_ARGB32);
    const QImage decoded = decode(GifWriter::encode(image));
    QCOMPARE(decoded.size(), expected.size());
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb want = expected.pixel(x, y);
            const QRgb got = decoded.pixel(x, y);
            if (qAlpha(want) < 128)
                QVERIFY2(qAlpha(got) == 0, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            else
                QVERIFY2(got == qRgb(qRed(want), qGreen(want), qBlue(want)),
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    }
}

void TestGifWriter::manyColoursAreMappedNearby()
{
    const QImage image = fullColour(120, 90);
    const QImage decoded = decode(GifWriter::encode(image));
    QCOMPARE(decoded.size(), image.size());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb want = image.pixel(x, y);
            const QRgb got = decoded.pixel(x, y);
            QCOMPARE(qAlpha(got), 255);
            // Half a step of the coarsest level (255 / 5).
            QVERIFY(qAbs(qRed(got) - qRed(want)) <= 26);
            QVERIFY(qAbs(qGreen(got) - qGreen(want)) <= 22);
            QVERIFY(qAbs(qBlue(got) - qBlue(want)) <= 26);
        }
    }
}

void TestGifWriter::halfTransparentPixels()
{
    QImage image(4, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(200, 100, 50, 0));
    image.setPixel(1, 0, qRgba(200, 100, 50, 127));
    image.setPixel(2, 0, qRgba(200, 100, 50, 128));
    image.setPixel(3, 0, qRgba(200, 100, 50, 255));
    const QImage decoded = decode(GifWriter::encode(image));
    QCOMPARE(qAlpha(decoded.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(decoded.pixel(1, 0)), 0);
    QCOMPARE(decoded.pixel(2, 0), qRgb(200, 100, 50));
    QCOMPARE(decoded.pixel(3, 0), qRgb(200, 100, 50));
}

void TestGifWriter::headerAndFrame_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<bool>("transparent");
    QTest::addColumn<int>("paletteSize");
    QTest::addColumn<bool>("interlaced");
    QTest::newRow("formula picture")
        << FormulaRenderer::render(FormulaCatalogue::entry(0)) << true << 2 << true;
    QTest::newRow("opaque, 3 colours") << noise(10, 10, greys(3, false), 9) << false << 4 << true;
    QTest::newRow("full colour") << fullColour(20, 20) << false << 256 << true;
    QTest::newRow("four rows") << noise(10, 4, greys(2, true), 9) << true << 4 << false;
}

void TestGifWriter::headerAndFrame()
{
    QFETCH(QImage, image);
    QFETCH(bool, transparent);
    QFETCH(int, paletteSize);
    QFETCH(bool, interlaced);
    const QByteArray gif = GifWriter::encode(image);
    QVERIFY(gif.startsWith("GIF89a"));
    QCOMPARE(quint8(gif[6]) | quint8(gif[7]) << 8, image.width());
    QCOMPARE(quint8(gif[8]) | quint8(gif[9]) << 8, image.height());
    const quint8 packed = quint8(gif[10]);
    QVERIFY(packed & 0x80);
    QCOMPARE(2 << (packed & 0x07), paletteSize);

    int at = 13 + 3 * paletteSize;
    QCOMPARE(gif.mid(at, 3) == QByteArray("\x21\xf9\x04", 3), transparent);
    if (transparent) {
        QCOMPARE(quint8(gif[at + 3]) & 0x01, 1);
        at += 8;
    }
    QCOMPARE(quint8(gif[at]), quint8(0x2c));
    QCOMPARE((quint8(gif[at + 9]) & 0x40) != 0, interlaced);
    QCOMPARE(gif.back(), ';');
}

void TestGifWriter::writeReportsFailure_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QString>("name");
    QTest::newRow("no picture") << QImage() << QStringLiteral("vuota.gif");
    QTest::newRow("missing folder") << FormulaRenderer::render(FormulaCatalogue::entry(1))
                                    << QStringLiteral("manca/formula.gif");
}

void TestGifWriter::writeReportsFailure()
{
    QFETCH(QImage, image);
    QFETCH(QString, name);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    const QString message = GifWriter::write(image, path);
    QVERIFY(message.startsWith(QStringLiteral("Impossibile scrivere")));
    QVERIFY(message.contains(QDir::toNativeSeparators(path)));
    QVERIFY(!QFile::exists(path));
}

void TestGifWriter::writeCreatesReadableFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("formula_001.gif"));
    const QImage picture = FormulaRenderer::render(FormulaCatalogue::entry(1));
    QCOMPARE(GifWriter::write(picture, path), QString());
    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("gif"));
    // Premultiplied, every transparent pixel is the same whatever its colour.
    const QImage read = reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(read, picture.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

QTEST_MAIN(TestGifWriter)
#include "tst_gifwriter.moc"
