// The GIF writer of the developer tools: files read back with Qt's own reader.
#include "formularenderer.h"
#include "gifwriter.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Random pixels among `count` colours, and the transparent one if asked.
QImage noise(int width, int height, int count, bool transparent, quint32 seed = 1)
{
    QRandomGenerator random(seed);
    QImage image(width, height, QImage::Format_ARGB32);
    for (int i = 0; i < width * height; ++i) {
        const int k = random.bounded(count + int(transparent));
        image.setPixel(i % width, i / width, k < count ? qRgb(k, 17 * k % 256, 255 - k) : 0u);
    }
    return image;
}

const QRgb Alphas[] = {qRgba(200, 100, 50, 0), qRgba(200, 100, 50, 127), qRgba(200, 100, 50, 128),
                       qRgba(200, 100, 50, 255)};

} // namespace

class TestGifWriter : public QObject {
    Q_OBJECT

private slots:
    void gifRoundTrip_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::newRow("formula") << FormulaRenderer::render(FormulaCatalogue::entry(35));
        QTest::newRow("sharp formula") << FormulaRenderer::render(FormulaCatalogue::entry(4), 2.0);
        QTest::newRow("alpha threshold")
            << QImage(reinterpret_cast<const uchar *>(Alphas), 4, 1, QImage::Format_ARGB32);
        QTest::newRow("one transparent pixel") << noise(1, 1, 0, true);
        QTest::newRow("long run of one colour") << noise(500, 400, 1, false);
        // Each interlace pass empty or not, in every combination.
        for (int height : {2, 3, 4, 5, 8, 9, 17})
            QTest::addRow("%d rows", height) << noise(7, height, 3, true, height);
        QTest::newRow("255 colours and transparent") << noise(97, 83, 255, true);
        QTest::newRow("256 colours, none transparent") << noise(97, 83, 256, false);
        // Enough varied pixels to fill the 4096-code table many times over.
        QTest::newRow("16-colour noise") << noise(300, 300, 16, true);
    }

    // Up to 256 colours (transparency counted) come back exactly; pixels below
    // half opacity turn transparent, the others opaque.
    void gifRoundTrip()
    {
        QFETCH(QImage, image);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("formula.gif"));
        QCOMPARE(GifWriter::write(image, path), QString());
        const QImage decoded(path, "gif");
        QCOMPARE(decoded.size(), image.size());
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb want = image.pixel(x, y), got = decoded.pixel(x, y);
                QVERIFY2(qAlpha(want) < 128 ? qAlpha(got) == 0 : got == (want | 0xff000000u),
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
        }
    }

    // GIF89a, a two-colour palette whose first colour, white, is the
    // transparent one, and one interlaced frame.
    void gifHeaderOfAPicture()
    {
        const QByteArray gif = GifWriter::encode(FormulaRenderer::render("l", QSize(40, 40)));
        QCOMPARE(gif.left(37).toHex(),
                 "47494638396128002800f00000ffffff00000021f90401000000002c000000002800280040");
        QCOMPARE(gif.back(), ';');
    }

    // The message names the file that could not be written; nothing is left.
    void gifWriteFailureNamesTheFile()
    {
        QTemporaryDir dir;
        for (const auto &[image, name] : {std::pair(QImage(), "vuota.gif"),
                                          std::pair(noise(2, 2, 1, false), "manca/formula.gif")}) {
            const QString path = QDir::toNativeSeparators(dir.filePath(QString::fromUtf8(name)));
            QVERIFY(GifWriter::write(image, path).startsWith("Impossibile scrivere " + path));
            QVERIFY(!QFile::exists(path));
        }
    }
};

QTEST_MAIN(TestGifWriter)
#include "tst_gifwriter.moc"
