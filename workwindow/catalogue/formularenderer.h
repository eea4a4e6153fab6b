#pragma once

// Draws a formula of the catalogue as a picture: black bold sans-serif
// lettering on a transparent ground, with stacked fractions, a root sign whose
// bar covers its argument and raised squares (see formulalayout.h).

#include "formulacatalogue.h"

#include <QImage>
#include <QPointF>
#include <QSize>

class QPainter;

namespace FormulaRenderer {

// Largest picture a formula box can show, in logical pixels.
constexpr int MaxWidth = 113;
constexpr int MaxHeight = 41;
// Blank border kept around the lettering inside every picture, so that a box
// frame drawn over the picture's edge never covers ink.
constexpr int Margin = 2;
// The border a picture gets when it grows beyond its requested size.
constexpr int GrowthMargin = 3;

// The entry's picture size, cut to MaxWidth x MaxHeight.
QSize logicalSize(const FormulaCatalogue::Entry &entry);

// The entry's formula at logicalSize(entry), centred; the lettering is made
// smaller when the formula would not fit. The image carries the given device
// pixel ratio. At a ratio of 1 it holds only two colours, opaque black and
// fully transparent; at higher ratios the lettering is antialiased.
QImage render(const FormulaCatalogue::Entry &entry, qreal devicePixelRatio = 1.0);

// The same for any formula text and picture size.
QImage render(const QString &formula, const QSize &logicalSize, qreal devicePixelRatio = 1.0);

// For printing: the formula drawn with any painter, in the same notation and
// proportions as its picture but free of the pixel grid, so that a PDF
// painter keeps it as text and lines. letterHeight is the size of the
// lettering in the painter's units (the pictures' lettering is 13 pixels).
struct Extent {
    qreal width;
    qreal ascent;  // ink above the baseline
    qreal descent; // ink below it
};
Extent extent(const QString &formula, qreal letterHeight);
// Paints the formula with the left end of its baseline at baselineStart.
void paint(QPainter &painter, const QString &formula, const QPointF &baselineStart,
           qreal letterHeight);

} // namespace FormulaRenderer
