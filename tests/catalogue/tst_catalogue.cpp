// The catalogue is checked against a separate copy of the panel's grid and
// against the formulas' own texts, and the pictures by their ink.

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

// The longest unbroken run of ink in one row: {first column, length}.
std::pair<int, int> longestRun(const QImage &image, int y)
{
    std::pair<int, int> best(-1, 0);
    for (int x = 0, run = 0; x < image.width(); ++x) {
        run = qAlpha(image.pixel(x, y)) >= 128 ? run + 1 : 0;
        if (run > best.second)
            best = {x + 1 - run, run};
    }
    return best;
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    // Each tab's grid, tagged by its caption: rows split by "|", column 1 then
    // column 2, "-" for an empty place, empty rows at the end left out. Only
    // the number is stored in a problem file: number, tab and place never change.
    void tabsMatchThePanelGrid_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("grid");
        QTest::newRow("Quadrato") << 0 << "0 1|3 2|138 -|4 5";
        QTest::newRow("Rettangolo") << 1 << "6 7|8 -|9 11|10 -|12 13|14 -";
        QTest::newRow("Parallelogr.") << 2 << "17 16|15 -|20 19|18 -|21 22|23 -|24 25|26 -";
        QTest::newRow("Rombo") << 3 << "29 28|27 -|31 30|119 137|34 33|32 -";
        QTest::newRow("Trap. Isoscele") << 4 << "35 36|37 38|39 40|41 42|136 -|116 117|118 -";
        QTest::newRow("Trap. Rettangolo") << 5 << "71 70|69 68|58 59|60 61|62 134|124 125|126 -";
        QTest::newRow("Trap. Scaleno") << 6 << "75 74|73 72|63 65|64 66|67 135|120 121|122 123";
        QTest::newRow("Trap. Pitagora") << 7 << "48 47|46 45|44 43|49 50|51 52|53 54|55 56|57 -";
        QTest::newRow("Tri. Isoscele") << 8 << "88 89|90 -|100 101|102 -|127 128|78 77|76 -";
        QTest::newRow("Tri. Scaleno")
            << 9 << "91 92|93 105|106 107|108 133|131 132|81 80|79 84|83 82";
        QTest::newRow("Tri. Rettangolo") << 10 << "94 95|96 -|109 110|111 112|113 114|115 -";
        QTest::newRow("Tri. Equilatero") << 11 << "97 98|99 -|103 104|129 130|87 86|85 -";
    }

    void tabsMatchThePanelGrid()
    {
        QFETCH(int, tab);
        QFETCH(QString, grid);
        QCOMPARE(tabCaption(tab), QString::fromUtf8(QTest::currentDataTag()));
        QStringList places(RowCount * ColumnCount, QStringLiteral("-"));
        for (int number = 0; number < FormulaCount; ++number) {
            const Entry &e = entry(number);
            QCOMPARE(e.number, number);
            if (e.tab != tab)
                continue;
            // Outside the grid, or a place already taken.
            const int place = (e.row - 1) * ColumnCount + e.column - 1;
            QVERIFY2((e.column == 1 || e.column == 2) && places.value(place) == "-", e.formula);
            places[place] = QString::number(e.number);
        }
        QStringList expected = grid.split(QRegularExpression(QStringLiteral("[ |]")));
        while (expected.size() < places.size())
            expected << QStringLiteral("-");
        QCOMPARE(places, expected);
    }

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

    void fractionStandsOverABar_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::newRow("single-symbol numerator") << "l = 2p / 4";
        QTest::newRow("fraction then minus") << "h = 2p / 2 − b";
        QTest::newRow("parentheses in numerator") << "A = [(B + b) × h] / 2";
    }

    // Twice as tall as its numerator on a line; the widest row of ink, the bar,
    // is as wide as the numerator, with ink above and below.
    void fractionStandsOverABar()
    {
        QFETCH(QString, formula);
        const QString top = formula.section('=', 1).section('/', 0, 0).remove('[').remove(']');
        const QImage picture = FormulaRenderer::render(formula, Box);
        const QRect ink = inkRect(picture);
        const QRect line = inkRect(FormulaRenderer::render(top, Box));
        QVERIFY2(ink.height() >= 2 * line.height(), qPrintable(QString::number(ink.height())));
        int bar = ink.top();
        for (int y = ink.top(); y <= ink.bottom(); ++y)
            bar = longestRun(picture, y).second > longestRun(picture, bar).second ? y : bar;
        QVERIFY(longestRun(picture, bar).second >= line.width());
        QVERIFY(bar > ink.top() + 4 && bar < ink.bottom() - 4);
    }

    void rootBarCoversItsArgument_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::newRow("one letter") << "√A";
        QTest::newRow("sum of squares") << "√(AB² + DA²)";
    }

    // The top row of ink is one bar from just after the root sign to the right
    // end of the argument, which stands under it, apart from it.
    void rootBarCoversItsArgument()
    {
        QFETCH(QString, formula);
        const QImage picture = FormulaRenderer::render(formula, Box);
        const QRect ink = inkRect(picture);
        const auto [barStart, barLength] = longestRun(picture, ink.top());
        QCOMPARE(barStart + barLength - 1, ink.right());
        QVERIFY2(barStart <= ink.left() + 12, qPrintable(QString::number(barStart)));
        const QRect underBar(barStart + 2, ink.top() + 3, barLength - 2, ink.height() - 3);
        QVERIFY(!inkRect(picture.copy(underBar)).isEmpty());
        QVERIFY(longestRun(picture, ink.top() + 3).second < barLength / 2);
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
