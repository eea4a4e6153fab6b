// The catalogue's kinds against the formulas' own texts, and the formulas'
// pictures by their ink.

#include "formulacatalogue.h"
#include "formularenderer.h"

#include <QPainter>
#include <QRegularExpression>
#include <QTest>

using namespace FormulaCatalogue;

namespace {

const QSize Box(FormulaRenderer::MaxWidth, FormulaRenderer::MaxHeight);

QRect inkRect(const QImage &image)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ink |= qAlpha(image.pixel(x, y)) >= 128 ? QRect(x, y, 1, 1) : QRect();
    }
    return ink;
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    // A root marks the Pythagorean theorem, "2p" exactly the perimeter
    // formulas and "A" alone exactly the area ones; each kind has a box colour
    // of its own.
    void kindsAgreeWithTheFormulas()
    {
        static const QRegularExpression perimeter("\\b2p\\b"), area("\\bA\\b");
        QSet<QRgb> colours;
        for (const Entry &e : entries()) {
            const QString formula = QString::fromUtf8(e.formula);
            const bool pythagoras = e.kind == Kind::Pythagoras1 || e.kind == Kind::Pythagoras2;
            QVERIFY2(formula.contains(QString::fromUtf8("√(")) == pythagoras, e.formula);
            QVERIFY2(formula.contains(perimeter) == (e.kind == Kind::Perimeter), e.formula);
            QVERIFY2(formula.contains(area) == (e.kind == Kind::Area), e.formula);
            colours.insert(kindColour(e.kind));
        }
        QCOMPARE(colours.size(), 5);
    }

    void everyPictureFitsItsBox_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("crisp") << 1.0;
        QTest::newRow("antialiased, in between") << 1.5;
    }

    // The logical size of a ratio of 1, near the listed one, within 113 x 41;
    // black ink, opaque unless antialiased, on transparent ground, off the frame.
    void everyPictureFitsItsBox()
    {
        QFETCH(qreal, ratio);
        for (const Entry &e : entries()) {
            const QByteArray where = QByteArray::number(e.number) + ' ' + e.formula;
            const QImage picture = FormulaRenderer::render(e, ratio);
            const QSize size = picture.deviceIndependentSize().toSize();
            const QSize listed = FormulaRenderer::logicalSize(e);
            QCOMPARE(picture.devicePixelRatio(), ratio);
            QCOMPARE(size, FormulaRenderer::render(e).size());
            const QSize most = Box.boundedTo(listed + QSize(10, 4));
            QVERIFY2(size.expandedTo(listed).boundedTo(most) == size, where);
            const int border = FormulaRenderer::Margin * ratio; // whole for these ratios
            const QRect inside = picture.rect().adjusted(border, border, -border, -border);
            QVERIFY2(inside.contains(inkRect(picture)), where);
            int ink = 0;
            for (int i = 0; i < picture.width() * picture.height(); ++i) {
                const QRgb pixel = picture.pixel(i % picture.width(), i / picture.width());
                QVERIFY2(!(pixel & 0xffffffu) && (ratio > 1 || qAlpha(pixel) % 255 == 0), where);
                ink += qAlpha(pixel) >= 128 ? 1 : 0;
            }
            // Lettering, neither an empty picture nor a filled block.
            QVERIFY2(ink > 20 && ink < picture.width() * picture.height() / 3, where);
        }
    }

    void printedFormulaFillsItsExtent_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::newRow("plain") << "2p = 4 × l";
        QTest::newRow("fraction") << "A = [(B + b) × h] / 2";
        QTest::newRow("root of squares") << "BD = √(AB² + DA²)";
    }

    // Printed, free of the pixel grid and at any size, the formula's ink lies
    // where its extent says, and fills it from end to end and from top to bottom.
    void printedFormulaFillsItsExtent()
    {
        QFETCH(QString, formula);
        for (const qreal letterHeight : {26.0, 52.0}) {
            const FormulaRenderer::Extent extent = FormulaRenderer::extent(formula, letterHeight);
            QImage image(800, 200, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            const QPointF baselineStart(20, 120);
            QPainter painter(&image);
            FormulaRenderer::paint(painter, formula, baselineStart, letterHeight);
            painter.end();
            const QRectF expected(baselineStart.x(), baselineStart.y() - extent.ascent,
                                  extent.width, extent.ascent + extent.descent);
            const QRect ink = inkRect(image);
            const QByteArray where = QByteArray::number(letterHeight);
            QVERIFY2(expected.adjusted(-2, -2, 2, 2).contains(ink), where);
            QVERIFY2(ink.width() > expected.width() - 0.15 * letterHeight, where);
            QVERIFY2(ink.height() > expected.height() - 3, where);
        }
    }
};

QTEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
