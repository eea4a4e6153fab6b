#pragma once

// A formula of the catalogue as an expression the program can work out. The
// notation is the catalogue's own: "=" between the output and the right side,
// "+", "−" (or "-"), "×" and "·" as products, "/" as a fraction bar, "(...)" and
// "[...]" as groups, "√" before a group or a name, "²" after one. A name is a
// letter followed by letters and digits ("BD", "l1", "ip"); "2p" is the name of
// the perimeter, while a number written against a name that starts with a
// capital is a product ("2HB" is twice HB). The output is one name or a sum of
// names ("B + b"). "A" is an area, every other name a length.

#include "decimal.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

enum class Dimension { Length = 1, Area = 2 };

class FormulaExpression {
public:
    // Nothing when the text is not a formula of the notation.
    static std::optional<FormulaExpression> parse(const QString &formula);
    // The formula of that catalogue number, parsed once; number 0..138.
    static const FormulaExpression &ofCatalogue(int number);

    QString text() const { return m_text; }
    // "A", "BD", "B + b".
    QString output() const { return m_output; }
    Dimension outputDimension() const { return m_outputDimension; }
    // The names of the right side, each once, in the order they are written.
    const QStringList &inputs() const { return m_inputs; }
    static Dimension dimensionOf(const QString &name);
    // The dimension the right side works out to (length times length is an
    // area, the root of an area a length), or nothing when it mixes lengths
    // and areas in a sum.
    std::optional<int> rightSidePower() const;

    // Works out the right side with a value for every input; nothing when an
    // input lacks a value, a division by zero or a negative root comes up, or
    // the result is not positive.
    std::optional<Decimal> evaluate(const QHash<QString, Decimal> &values) const;

    struct Node;

private:
    QString m_text;
    QString m_output;
    Dimension m_outputDimension = Dimension::Length;
    QStringList m_inputs;
    std::shared_ptr<const Node> m_right;
};
