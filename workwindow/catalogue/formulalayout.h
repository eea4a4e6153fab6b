#pragma once

// A tiny box model for the formula pictures. The formula text is parsed into a
// tree of boxes (text runs, rows, fractions, square roots, raised squares);
// measure() works out each box's width and its ink above and below the
// baseline for one lettering size, then paint() draws the tree at integer
// positions so that the lettering stays crisp at a device pixel ratio of 1.
//
// Notation understood by parse():
//   "[ ... ] / x"  fraction: the bracketed row over the next single term x
//   "a / x"        fraction of two single terms
//   "√( ... )"     square root over the whole row inside the parentheses
//                  (the parentheses are replaced by the bar), "√A" of one term
//   "²"            a raised small 2
// Everything else ("=", "+", "−", "×", "·", "(", ")", spaces, letters and
// digits) is lettering as written. Malformed text never fails: what cannot be
// read as a construct is drawn as lettering.

#include <QFont>
#include <QString>
#include <memory>
#include <vector>

class QPainter;

namespace FormulaLayout {

// The lettering and the proportions derived from one font size.
struct Style {
    // wordSpacing is added to every blank (negative to tighten the spacing
    // around the operators of long formulas).
    Style(int pixelSize, bool antialiased, qreal wordSpacing = 0);

    QFont font;       // main lettering
    QFont scriptFont; // the raised 2
    int pixelSize;
    qreal wordSpacing;
    int rule;   // thickness of fraction bars and of the root sign
    int stroke; // width of the thin strokes of the root sign: one pixel at the pictures' sizes
    int axis;   // height of the fraction bar's centre above the baseline
    int gap;    // space between a bar and what it separates
    int superscriptRaise;
};

class Box {
public:
    virtual ~Box() = default;
    virtual void measure(const Style &style) = 0;
    // Draws the box with the left end of its baseline at (x, baseline).
    virtual void paint(QPainter &painter, const Style &style, int x, int baseline) const = 0;

    int width = 0;
    int ascent = 0;  // ink rows above the baseline
    int descent = 0; // ink rows from the baseline down
    int height() const { return ascent + descent; }
};

class TextBox : public Box {
public:
    explicit TextBox(QString text, bool script = false) : text(std::move(text)), script(script) {}
    void measure(const Style &style) override;
    void paint(QPainter &painter, const Style &style, int x, int baseline) const override;

    QString text;
    bool script;
};

class RowBox : public Box {
public:
    // Appends a box, joining neighbouring lettering into one run so that it is
    // spaced and kerned as one word.
    void append(std::unique_ptr<Box> box);
    void measure(const Style &style) override;
    void paint(QPainter &painter, const Style &style, int x, int baseline) const override;

    std::vector<std::unique_ptr<Box>> children;
};

class FractionBox : public Box {
public:
    FractionBox(std::unique_ptr<Box> numerator, std::unique_ptr<Box> denominator)
        : numerator(std::move(numerator)), denominator(std::move(denominator))
    {
    }
    void measure(const Style &style) override;
    void paint(QPainter &painter, const Style &style, int x, int baseline) const override;

    std::unique_ptr<Box> numerator;
    std::unique_ptr<Box> denominator;

private:
    int overhang = 0; // bar length beyond the wider part, on each side
};

class RadicalBox : public Box {
public:
    explicit RadicalBox(std::unique_ptr<Box> argument) : argument(std::move(argument)) {}
    void measure(const Style &style) override;
    void paint(QPainter &painter, const Style &style, int x, int baseline) const override;

    std::unique_ptr<Box> argument;

private:
    int signWidth = 0;
};

class SuperscriptBox : public Box {
public:
    explicit SuperscriptBox(QString text) : script(std::move(text), true) {}
    void measure(const Style &style) override;
    void paint(QPainter &painter, const Style &style, int x, int baseline) const override;

    TextBox script;
};

std::unique_ptr<RowBox> parse(const QString &formula);

} // namespace FormulaLayout
