// The formulas' pictures by their ink.

#include "formulacatalogue.h"
#include "formularenderer.h"

#include <QTest>

using namespace FormulaCatalogue;

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    // At a ratio of 1 and in between, the logical size of a ratio of 1,
    // within the box; black ink, opaque unless antialiased (at a ratio in
    // between), on transparent ground, off the frame.
    void everyPictureFitsItsBox()
    {
        const QSize box(FormulaRenderer::MaxWidth, FormulaRenderer::MaxHeight);
        for (const Entry &e : entries())
            for (const qreal ratio : {1.0, 1.5}) {
                const QByteArray where = e.formula + QByteArray(" x") + QByteArray::number(ratio);
                const QImage picture = FormulaRenderer::render(e, ratio);
                const QSize size = picture.deviceIndependentSize().toSize();
                QCOMPARE(size, FormulaRenderer::render(e).size());
                QVERIFY2(size.boundedTo(box) == size, where);
                const int border = FormulaRenderer::Margin * ratio; // whole for these ratios
                const QRect inside = picture.rect().adjusted(border, border, -border, -border);
                int ink = 0;
                for (int i = 0; i < picture.width() * picture.height(); ++i) {
                    const QPoint at(i % picture.width(), i / picture.width());
                    const QRgb pixel = picture.pixel(at);
                    QVERIFY2(!(pixel & 0xffffffu) && (ratio > 1 || qAlpha(pixel) % 255 == 0),
                             where);
                    QVERIFY2(qAlpha(pixel) < 128 || inside.contains(at), where);
                    ink += qAlpha(pixel) >= 128 ? 1 : 0;
                }
                // Lettering, neither an empty picture nor a filled block.
                QVERIFY2(ink > 20 && ink < picture.width() * picture.height() / 3, where);
            }
    }
};

QTEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
