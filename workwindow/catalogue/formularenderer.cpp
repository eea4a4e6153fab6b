#include "formularenderer.h"

#include "formulalayout.h"

#include <QPainter>
#include <QtMath>

namespace FormulaRenderer {

namespace {

// All formulas are set at one lettering size; with a smaller one the bold
// strokes of the hinted font thin down to a single pixel.
constexpr int PixelSize = 13;
constexpr int MinimumPixelSize = 7;
// The blanks around the operators are a pixel narrower than the font's own,
// and two pixels narrower where a formula would not fit otherwise.
constexpr qreal WordSpacing = -1;
constexpr qreal TightWordSpacing = -2;

struct Fit {
    int pixelSize;
    qreal wordSpacing;
    QSize size; // of the picture, in logical pixels
};

bool fits(const FormulaLayout::Box &box, const QSize &size)
{
    return box.width <= size.width() - 2 * Margin && box.height() <= size.height() - 2 * Margin;
}

// The lettering stays at PixelSize whenever it can: the picture first grows
// from the requested size up to the largest size a box shows, then the blanks
// tighten, and only then does the lettering get smaller. The picture's size is
// always worked out with the crisp lettering of a device pixel ratio of 1, so
// that a formula takes the same room on every screen.
Fit pictureFit(FormulaLayout::Box &layout, const QSize &requested)
{
    const QSize largest = QSize(MaxWidth, MaxHeight).expandedTo(requested);
    const QSize margins(2 * GrowthMargin, 2 * GrowthMargin);
    for (qreal spacing : {WordSpacing, TightWordSpacing}) {
        layout.measure(FormulaLayout::Style(PixelSize, false, spacing));
        const QSize size =
            requested.expandedTo(QSize(layout.width, layout.height()) + margins).boundedTo(largest);
        if (fits(layout, size))
            return {PixelSize, spacing, size};
    }
    for (int pixelSize = PixelSize - 1; pixelSize > MinimumPixelSize; --pixelSize) {
        layout.measure(FormulaLayout::Style(pixelSize, false, TightWordSpacing));
        if (fits(layout, largest))
            return {pixelSize, TightWordSpacing, largest};
    }
    return {MinimumPixelSize, TightWordSpacing, largest};
}

// Antialiased lettering is measured without hinting and may come out a little
// wider; within the picture's fixed size its blanks tighten by half pixels, and
// only then does it shrink.
Fit antialiasedFit(FormulaLayout::Box &layout, const Fit &crisp)
{
    for (int pixelSize = crisp.pixelSize; pixelSize > MinimumPixelSize; --pixelSize) {
        for (qreal spacing = WordSpacing; spacing >= TightWordSpacing; spacing -= 0.5) {
            layout.measure(FormulaLayout::Style(pixelSize, true, spacing));
            if (fits(layout, crisp.size))
                return {pixelSize, spacing, crisp.size};
        }
    }
    return {MinimumPixelSize, TightWordSpacing, crisp.size};
}

// Printed formulas are laid out at a large lettering size, so that the whole
// pixels of the box model are fine enough, and then scaled to the size asked.
constexpr int VectorPixelSize = 8 * PixelSize;

FormulaLayout::Style vectorStyle()
{
    FormulaLayout::Style style(VectorPixelSize, true, 8 * WordSpacing);
    // Unhinted lettering keeps the proportions it has at any printed size.
    style.font.setHintingPreference(QFont::PreferNoHinting);
    style.scriptFont.setHintingPreference(QFont::PreferNoHinting);
    return style;
}

} // namespace

QSize logicalSize(const FormulaCatalogue::Entry &entry)
{
    return QSize(qBound(1, entry.pictureWidth, MaxWidth),
                 qBound(1, entry.pictureHeight, MaxHeight));
}

QImage render(const FormulaCatalogue::Entry &entry, qreal devicePixelRatio)
{
    return render(QString::fromUtf8(entry.formula), logicalSize(entry), devicePixelRatio);
}

QImage render(const QString &formula, const QSize &requestedSize, qreal devicePixelRatio)
{
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const bool antialiased = ratio > 1.0;
    const std::unique_ptr<FormulaLayout::RowBox> layout = FormulaLayout::parse(formula);
    const Fit crisp = pictureFit(*layout, requestedSize.expandedTo(QSize(1, 1)));
    const Fit fit = antialiased ? antialiasedFit(*layout, crisp) : crisp;
    const FormulaLayout::Style style(fit.pixelSize, antialiased, fit.wordSpacing);
    layout->measure(style);

    QImage image(qCeil(fit.size.width() * ratio), qCeil(fit.size.height() * ratio),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, antialiased);
    painter.setRenderHint(QPainter::TextAntialiasing, antialiased);
    painter.setPen(Qt::black);
    const int x = (fit.size.width() - layout->width) / 2;
    const int baseline = (fit.size.height() - layout->height()) / 2 + layout->ascent;
    layout->paint(painter, style, x, baseline);
    return image;
}

Extent extent(const QString &formula, qreal letterHeight)
{
    const std::unique_ptr<FormulaLayout::RowBox> layout = FormulaLayout::parse(formula);
    layout->measure(vectorStyle());
    const qreal scale = letterHeight / VectorPixelSize;
    return {layout->width * scale, layout->ascent * scale, layout->descent * scale};
}

void paint(QPainter &painter, const QString &formula, const QPointF &baselineStart,
           qreal letterHeight)
{
    const std::unique_ptr<FormulaLayout::RowBox> layout = FormulaLayout::parse(formula);
    const FormulaLayout::Style style = vectorStyle();
    layout->measure(style);
    const qreal scale = letterHeight / VectorPixelSize;
    painter.save();
    painter.translate(baselineStart);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::black);
    layout->paint(painter, style, 0, 0);
    painter.restore();
}

} // namespace FormulaRenderer
