#include "explanations.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

// A number (digits, with a decimal comma or point) and what follows it.
struct Entry {
    bool isQuantity = false;
    QString number;
    QString unit;
};

Entry read(const QString &text)
{
    static const QRegularExpression quantity(
        QStringLiteral("^\\s*(\\d+(?:[.,]\\d+)?)\\s*(.*?)\\s*$"));
    const QRegularExpressionMatch match = quantity.match(text);
    if (!match.hasMatch())
        return {};
    return {true, match.captured(1), match.captured(2)};
}

// The value of a number as decimal text: "007,50" and "7.5" both give "7,5".
QString value(const QString &number)
{
    QString text = number;
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    QString whole = text.section(QLatin1Char(','), 0, 0);
    QString fraction = text.section(QLatin1Char(','), 1);
    while (whole.size() > 1 && whole.startsWith(QLatin1Char('0')))
        whole.remove(0, 1);
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    return fraction.isEmpty() ? whole : whole + QLatin1Char(',') + fraction;
}

// A unit of length or of area, whichever way it is written: "CM", "cmq",
// "cm2", "cm^2" and "cm²" name the units they mean; anything else is itself.
QString meaning(const QString &unit)
{
    static const QRegularExpression written(
        QStringLiteral("^(mm|cm|dm|m|dam|hm|km)(q|2|\\^2|²)?$"));
    QString text = unit.toLower();
    text.remove(QLatin1Char(' '));
    const QRegularExpressionMatch match = written.match(text);
    if (!match.hasMatch())
        return text;
    return match.captured(1) + (match.captured(2).isEmpty() ? QString() : QStringLiteral("²"));
}

// A unit of length ("cm") or of area ("cm²"), as meaning() gives it.
bool isMeasure(const QString &meant)
{
    static const QRegularExpression measure(QStringLiteral("^(mm|cm|dm|m|dam|hm|km)²?$"));
    return measure.match(meant).hasMatch();
}

QString quoted(const QString &text)
{
    return QStringLiteral("«%1»").arg(text);
}

} // namespace

namespace Explanations {

QString forEntry(const QString &typed, const QString &expected)
{
    if (typed == expected)
        return {};
    const Entry pupil = read(typed);
    const Entry problem = read(expected);
    if (!pupil.isQuantity || !problem.isQuantity || value(pupil.number) != value(problem.number))
        return {};
    const bool unitMissing = pupil.unit.isEmpty() && !problem.unit.isEmpty();
    const QString typedUnit = meaning(pupil.unit);
    const QString expectedUnit = meaning(problem.unit);
    if (!unitMissing && typedUnit != expectedUnit) {
        // A length where an area is asked, or an area where a length is: the
        // same unit, squared or not. Any other unit is another unit.
        if (!isMeasure(typedUnit) || !isMeasure(expectedUnit))
            return {};
        const QString square = QStringLiteral("²");
        if (typedUnit + square == expectedUnit) {
            QString text = QStringLiteral("Il numero è giusto, ma un'area si misura in unità "
                                          "quadrate: %1.")
                               .arg(quoted(expected));
            if (expected.contains(square))
                text += QStringLiteral(" Per scrivere «²» premi %1.").arg(SquareKey);
            return text;
        }
        if (typedUnit == expectedUnit + square)
            return QStringLiteral("Il numero è giusto, ma una lunghezza si misura in unità "
                                  "lineari: %1.")
                .arg(quoted(expected));
        return {};
    }

    QStringList faults;
    if (pupil.number != problem.number) {
        if (pupil.number.contains(QLatin1Char('.')))
            faults << QStringLiteral("in italiano i decimali si scrivono con la virgola: %1")
                          .arg(quoted(problem.number));
        else
            faults
                << QStringLiteral("va scritto %1, senza zeri in più").arg(quoted(problem.number));
    }
    if (unitMissing)
        faults << QStringLiteral("manca l'unità di misura: %1").arg(quoted(problem.unit));
    else if (pupil.unit != problem.unit)
        faults << QStringLiteral("l'unità di misura si scrive %1").arg(quoted(problem.unit));
    QString text;
    if (faults.isEmpty())
        text = QStringLiteral("Il numero e l'unità sono giusti, ma gli spazi no: scrivi %1.")
                   .arg(quoted(expected));
    else
        text = QStringLiteral("Il numero è giusto, ma ") + faults.join(QStringLiteral(" e ")) +
               QLatin1Char('.');
    if (problem.unit.contains(QStringLiteral("²")) && !pupil.unit.contains(QStringLiteral("²")))
        text += QStringLiteral(" Per scrivere «²» premi %1.").arg(SquareKey);
    return text;
}

bool sameQuantity(const QString &typed, const QString &expected)
{
    if (typed == expected)
        return true;
    const Entry pupil = read(typed);
    const Entry problem = read(expected);
    // A point is not taken for the decimal comma: in Italian "1.000" is a
    // thousand.
    if (!pupil.isQuantity || !problem.isQuantity || pupil.number.contains(QLatin1Char('.')) ||
        value(pupil.number) != value(problem.number))
        return false;
    return meaning(pupil.unit) == meaning(problem.unit);
}

QString expectedForm(const QString &typed, const QString &expected)
{
    if (typed == expected)
        return {};
    QString text = QStringLiteral("Si scrive %1.").arg(quoted(expected));
    if (expected.contains(QStringLiteral("²")) && !typed.contains(QStringLiteral("²")))
        text += QStringLiteral(" Per scrivere «²» premi %1.").arg(SquareKey);
    return text;
}

QString sameFormulaOtherTab(const QString &tabCaption)
{
    return QStringLiteral("È la formula giusta, ma va presa dalla scheda %1.")
        .arg(quoted(tabCaption));
}

QString whereTheFormulaIs(const QString &tabCaption)
{
    return QStringLiteral("La formula giusta è nella scheda %1.").arg(quoted(tabCaption));
}

Slip slipOf(const QString &typed, const QString &expected)
{
    if (typed == expected)
        return Slip::None;
    const Entry pupil = read(typed);
    const Entry problem = read(expected);
    if (!pupil.isQuantity || !problem.isQuantity || value(pupil.number) != value(problem.number))
        return Slip::Number;
    const bool unitMissing = pupil.unit.isEmpty() && !problem.unit.isEmpty();
    const QString typedUnit = meaning(pupil.unit);
    const QString expectedUnit = meaning(problem.unit);
    if (!unitMissing && typedUnit != expectedUnit) {
        const QString square = QStringLiteral("²");
        const bool otherDimension =
            typedUnit + square == expectedUnit || typedUnit == expectedUnit + square;
        return otherDimension ? Slip::Dimension : Slip::Number;
    }
    if (pupil.number != problem.number)
        return pupil.number.contains(QLatin1Char('.')) ? Slip::Decimal : Slip::Zeros;
    if (unitMissing || pupil.unit != problem.unit)
        return Slip::Unit;
    return Slip::Blanks;
}

} // namespace Explanations
