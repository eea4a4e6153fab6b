// The formula pictures are judged by their ink: where the black pixels are,
// whether the ground is transparent, and whether the picture stays inside the
// formula box.

#include "formularenderer.h"

#include <QCryptographicHash>
#include <QHash>
#include <QTest>
#include <QtMath>

using FormulaCatalogue::Entry;

namespace {

const QSize Box(FormulaRenderer::MaxWidth, FormulaRenderer::MaxHeight);

bool isInk(QRgb pixel)
{
    return qAlpha(pixel) >= 128;
}

QImage argb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

QRect inkRect(const QImage &picture)
{
    const QImage image = argb(picture);
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isInk(image.pixel(x, y)))
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

// The longest unbroken run of ink in one row: {start column, length}.
std::pair<int, int> longestRun(const QImage &image, int y)
{
    std::pair<int, int> best(-1, 0);
    int start = -1;
    for (int x = 0; x <= image.width(); ++x) {
        const bool ink = x < image.width() && isInk(image.pixel(x, y));
        if (ink && start < 0)
            start = x;
        if (!ink && start >= 0) {
            if (x - start > best.second)
                best = {start, x - start};
            start = -1;
        }
    }
    return best;
}

QImage render(const char *formula)
{
    return FormulaRenderer::render(QString::fromUtf8(formula), Box);
}

QByteArray fingerprint(const QImage &picture)
{
    const QImage image = argb(picture);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(QByteArray::number(image.width()) + 'x' + QByteArray::number(image.height()));
    for (int y = 0; y < image.height(); ++y)
        hash.addData(QByteArrayView(reinterpret_cast<const char *>(image.constScanLine(y)),
                                    image.width() * 4));
    return hash.result();
}

} // namespace

class TestFormulaRenderer : public QObject {
    Q_OBJECT

private slots:
    void everyPictureFitsItsBox_data();
    void everyPictureFitsItsBox();
    void fractionIsTallerThanOneLine_data();
    void fractionIsTallerThanOneLine();
    void fractionBarSeparatesNumeratorAndDenominator_data();
    void fractionBarSeparatesNumeratorAndDenominator();
    void rootBarCoversItsArgument_data();
    void rootBarCoversItsArgument();
    void rootParenthesesAreNotDrawn();
    void squareIsRaised();
    void differentFormulasGiveDifferentPictures();
    void longFormulaShrinksIntoTheBox();
    void malformedFormulaStillDraws_data();
    void malformedFormulaStillDraws();
};

// Every catalogue picture fits the 113 x 41 box, keeps close to its listed
// size whatever the screen's pixel ratio, and leaves a blank border for the
// box frame. Without antialiasing it holds only black and transparent pixels.
void TestFormulaRenderer::everyPictureFitsItsBox_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("crisp") << 1.0;
    QTest::newRow("sharp") << 2.0;
    QTest::newRow("in between") << 1.5;
}

void TestFormulaRenderer::everyPictureFitsItsBox()
{
    QFETCH(qreal, ratio);
    for (const Entry &entry : FormulaCatalogue::entries()) {
        const QByteArray where = QByteArray::number(entry.number) + ' ' + entry.formula;
        const QImage picture = argb(FormulaRenderer::render(entry, ratio));
        const QSize size = picture.deviceIndependentSize().toSize();
        const QSize listed = FormulaRenderer::logicalSize(entry);
        QCOMPARE(picture.devicePixelRatio(), ratio);
        QCOMPARE(size, FormulaRenderer::render(entry).size());
        QVERIFY2(size.width() <= Box.width() && size.height() <= Box.height(), where);
        QVERIFY2(size.width() >= listed.width() && size.width() <= listed.width() + 10, where);
        QVERIFY2(size.height() >= listed.height() && size.height() <= listed.height() + 4, where);

        const QRect ink = inkRect(picture);
        const int border = qCeil(FormulaRenderer::Margin * ratio);
        QVERIFY2(picture.rect().adjusted(border, border, -border, -border).contains(ink), where);
        int black = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb pixel = picture.pixel(x, y);
                QVERIFY2(qAlpha(pixel) == 0 || ratio > 1.0 || pixel == qRgba(0, 0, 0, 255), where);
                black += isInk(pixel) ? 1 : 0;
            }
        }
        // Lettering, not an empty picture nor a filled block.
        QVERIFY2(black > 20 * ratio * ratio && black < picture.width() * picture.height() / 3,
                 where);
    }
}

void TestFormulaRenderer::fractionIsTallerThanOneLine_data()
{
    QTest::addColumn<QString>("fraction");
    QTest::addColumn<QString>("line");
    QTest::newRow("bracketed numerator")
        << QStringLiteral("A = [b × h] / 2") << QStringLiteral("A = b × h");
    QTest::newRow("single-symbol numerator")
        << QStringLiteral("l = 2p / 4") << QStringLiteral("2p = 4 × l");
    QTest::newRow("fraction then minus")
        << QStringLiteral("h = 2p / 2 − b") << QStringLiteral("h = 2p − B − b − l");
    QTest::newRow("parentheses in numerator")
        << QStringLiteral("A = [(B + b) × h] / 2") << QStringLiteral("2p = (b + h) × 2");
}

void TestFormulaRenderer::fractionIsTallerThanOneLine()
{
    QFETCH(QString, fraction);
    QFETCH(QString, line);
    const int fractionHeight = inkRect(FormulaRenderer::render(fraction, Box)).height();
    const int lineHeight = inkRect(FormulaRenderer::render(line, Box)).height();
    QVERIFY2(fractionHeight >= lineHeight * 2,
             qPrintable(QStringLiteral("%1 against %2").arg(fractionHeight).arg(lineHeight)));
}

// A fraction alone: one row of ink runs the full width (the bar), with ink
// above it (numerator) and below it (denominator), each narrower than the bar.
void TestFormulaRenderer::fractionBarSeparatesNumeratorAndDenominator_data()
{
    QTest::addColumn<QString>("formula");
    QTest::newRow("single symbols") << QStringLiteral("2p / 4");
    QTest::newRow("bracketed") << QStringLiteral("[A × 2] / h");
    QTest::newRow("parentheses inside") << QStringLiteral("[(B + b) × h] / 2");
    QTest::newRow("segments") << QStringLiteral("[AB − KH] / 2");
}

void TestFormulaRenderer::fractionBarSeparatesNumeratorAndDenominator()
{
    QFETCH(QString, formula);
    const QImage picture = argb(FormulaRenderer::render(formula, Box));
    const QRect ink = inkRect(picture);
    int barRow = -1;
    for (int y = ink.top(); y <= ink.bottom() && barRow < 0; ++y) {
        if (longestRun(picture, y).second == ink.width())
            barRow = y;
    }
    QVERIFY2(barRow > ink.top() + 4, "no full-width bar below a numerator");
    QVERIFY2(barRow < ink.bottom() - 4, "no denominator below the bar");
    const int barThickness = longestRun(picture, barRow + 1).second == ink.width() ? 2 : 1;
    const QRect above(ink.left(), ink.top(), ink.width(), barRow - ink.top());
    const QRect below(ink.left(), barRow + barThickness, ink.width(),
                      ink.bottom() + 1 - barRow - barThickness);
    // A blank row keeps each part apart from the bar.
    QVERIFY(inkRect(picture.copy(ink.left(), barRow - 1, ink.width(), 1)).isEmpty());
    QVERIFY(inkRect(picture.copy(ink.left(), barRow + barThickness, ink.width(), 1)).isEmpty());
    for (const QRect &part : {above, below}) {
        const QRect partInk = inkRect(picture.copy(part));
        QVERIFY(!partInk.isEmpty());
        QVERIFY(partInk.width() < ink.width());
    }
}

// A root alone: the top rows of ink form one bar from the root sign to the
// right end of the argument.
void TestFormulaRenderer::rootBarCoversItsArgument_data()
{
    QTest::addColumn<QString>("formula");
    QTest::newRow("one letter") << QStringLiteral("√A");
    QTest::newRow("sum of squares") << QStringLiteral("√(AB² + DA²)");
    QTest::newRow("difference of squares") << QStringLiteral("√(BC² − CH²)");
    QTest::newRow("after an equals sign") << QStringLiteral("l = √A");
}

void TestFormulaRenderer::rootBarCoversItsArgument()
{
    QFETCH(QString, formula);
    const QImage picture = argb(FormulaRenderer::render(formula, Box));
    const QRect ink = inkRect(picture);
    const auto [barStart, barLength] = longestRun(picture, ink.top());
    QCOMPARE(barStart + barLength - 1, ink.right());
    // The root sign is narrower than a letter, so the bar starts within the
    // first letter's width after the sign.
    const int signAndMore = formula.startsWith(QChar(0x221A)) ? 12 : ink.width() - 12;
    QVERIFY2(
        barStart <= ink.left() + signAndMore,
        qPrintable(QStringLiteral("bar starts at %1, ink at %2").arg(barStart).arg(ink.left())));
    // The argument stands under the bar, apart from it.
    const QRect underBar(barStart + 2, ink.top() + 3, barLength - 2, ink.height() - 3);
    QVERIFY(!inkRect(picture.copy(underBar)).isEmpty());
    QVERIFY(longestRun(picture, ink.top() + 3).second < barLength / 2);
}

// The bar of a root takes the place of its parentheses; other parentheses are
// drawn where they are written.
void TestFormulaRenderer::rootParenthesesAreNotDrawn()
{
    QCOMPARE(fingerprint(render("l = √(A)")), fingerprint(render("l = √A")));
    const int both = inkRect(render("(b + h) × 2")).width();
    const int closingOnly = inkRect(render("b + h) × 2")).width();
    const int none = inkRect(render("b + h × 2")).width();
    QVERIFY(both > closingOnly + 2);
    QVERIFY(closingOnly > none + 2);
}

// In "A²" the 2 stands well above the foot of the A, and it is smaller.
void TestFormulaRenderer::squareIsRaised()
{
    const QImage squared = argb(render("A²"));
    const QImage plain = argb(render("A2"));
    const QRect squaredInk = inkRect(squared);
    const QRect plainInk = inkRect(plain);
    QVERIFY(squaredInk.height() > plainInk.height());
    QVERIFY(squaredInk.width() < plainInk.width());
    // The right-hand columns hold only the 2.
    const QRect two = inkRect(squared.copy(squaredInk.right() - 2, 0, 3, squared.height()));
    QVERIFY(two.bottom() <= squaredInk.bottom() - 3);
    QVERIFY(two.height() < squaredInk.height() * 3 / 4);
}

void TestFormulaRenderer::differentFormulasGiveDifferentPictures()
{
    QHash<QByteArray, QByteArray> formulaOfPicture;
    for (const Entry &entry : FormulaCatalogue::entries()) {
        const QByteArray picture = fingerprint(FormulaRenderer::render(entry));
        const QByteArray formula(entry.formula);
        if (formulaOfPicture.contains(picture))
            QVERIFY2(formulaOfPicture.value(picture) == formula,
                     formula + " looks like " + formulaOfPicture.value(picture));
        formulaOfPicture.insert(picture, formula);
    }
}

void TestFormulaRenderer::longFormulaShrinksIntoTheBox()
{
    const QImage picture = render("AB = AK + KH + HB + CD + EF");
    QCOMPARE(picture.size(), Box);
    const QRect ink = inkRect(picture);
    QVERIFY(!ink.isEmpty());
    QVERIFY(picture.rect()
                .adjusted(FormulaRenderer::Margin, FormulaRenderer::Margin,
                          -FormulaRenderer::Margin, -FormulaRenderer::Margin)
                .contains(ink));
}

void TestFormulaRenderer::malformedFormulaStillDraws_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<bool>("hasInk");
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("open bracket") << QStringLiteral("b = [A × 2") << true;
    QTest::newRow("bracket without bar") << QStringLiteral("[A × 2]") << true;
    QTest::newRow("bar first") << QStringLiteral("/ 2") << true;
    QTest::newRow("bar last") << QStringLiteral("A /") << true;
    QTest::newRow("stray closers") << QStringLiteral("] ) A") << true;
    QTest::newRow("open root") << QStringLiteral("√(") << true;
    QTest::newRow("bare root") << QStringLiteral("√") << true;
    QTest::newRow("square alone") << QStringLiteral("²") << true;
    QTest::newRow("nested roots") << QStringLiteral("√(√(A) + [B] / √C)") << true;
}

void TestFormulaRenderer::malformedFormulaStillDraws()
{
    QFETCH(QString, formula);
    QFETCH(bool, hasInk);
    const QImage picture = FormulaRenderer::render(formula, QSize(60, 38));
    QVERIFY(picture.width() >= 60 && picture.width() <= Box.width());
    QVERIFY(picture.height() >= 38 && picture.height() <= Box.height());
    QCOMPARE(!inkRect(picture).isEmpty(), hasInk);
}

QTEST_MAIN(TestFormulaRenderer)
#include "tst_formularenderer.moc"
