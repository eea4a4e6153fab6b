#include "variants.h"

#include "decimal.h"
#include "formulaexpression.h"
#include "keycheck.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <numeric>
#include <random>
#include <set>
#include <vector>

namespace Variants {

namespace {

// A datum or result split where its number ends: "7,5" and " cm".
struct Written {
    Decimal value;
    int decimals = 0;
    QString number;
    QString rest;
    Dimension dimension = Dimension::Length;
};

std::optional<Written> split(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d+(?:[.,]\\d+)?)(.*)$"));
    const QRegularExpressionMatch match = pattern.match(text);
    const std::optional<KeyCheck::Quantity> quantity = KeyCheck::readQuantity(text);
    if (!match.hasMatch() || !quantity)
        return std::nullopt;
    Written written;
    written.value = quantity->value;
    written.decimals = quantity->decimals;
    written.number = match.captured(1);
    written.rest = match.captured(2);
    written.dimension = quantity->dimension.value_or(Dimension::Length);
    return written;
}

// Where the number stands in the text as a number of its own (not part of
// "214" or "14,5" when looking for "14").
QList<int> placesOf(const QString &number, const QString &text)
{
    const QRegularExpression pattern(QStringLiteral("(?<![\\d.,])") +
                                     QRegularExpression::escape(number) +
                                     QStringLiteral("(?![\\d]|[.,]\\d)"));
    QList<int> places;
    for (QRegularExpressionMatchIterator it = pattern.globalMatch(text); it.hasNext();)
        places.append(int(it.next().capturedStart()));
    return places;
}

struct Step {
    int slot = 0;
    QList<int> sources;
    Written result;
    bool exact = false; // the worked-out value is the result as written
};

struct Plan {
    Problem problem;
    std::vector<std::pair<int, Written>> data; // slot and datum
    std::vector<int> textPlace;                // where each datum's number stands
    std::vector<Step> steps;
};

// The number in the form the teacher writes it: no more decimals than it needs.
QString numberText(Decimal value)
{
    return value.toText(value.decimalsNeeded());
}

// The variant with every datum multiplied by numerator/denominator, or
// nothing when a datum or a result would not come out as the teacher's do.
std::optional<Problem> scaled(const Plan &plan, int numerator, int denominator)
{
    const std::optional<Decimal> factor =
        Decimal::fromInt(numerator).dividedBy(Decimal::fromInt(denominator));
    if (!factor)
        return std::nullopt;
    Problem variant = plan.problem;
    std::array<std::optional<Decimal>, 2 * ProblemSlotCount> values;
    QList<std::pair<int, QString>> textNumbers; // place in the text, new number
    for (std::size_t i = 0; i < plan.data.size(); ++i) {
        const auto &[slot, datum] = plan.data[i];
        std::optional<Decimal> value = datum.value.times(*factor);
        if (value && datum.dimension == Dimension::Area)
            value = value->times(*factor);
        if (!value || value->decimalsNeeded() > datum.decimals || !value->isPositive())
            return std::nullopt;
        // No old number stays in the text, not even as another datum's.
        for (const auto &old : plan.data)
            if (*value == old.second.value)
                return std::nullopt;
        values[std::size_t(slot)] = value;
        variant.data[std::size_t(slot)] = numberText(*value) + datum.rest;
        textNumbers.append({plan.textPlace[i], numberText(*value)});
    }
    for (const Step &step : plan.steps) {
        const FormulaExpression &formula =
            FormulaExpression::ofCatalogue(*plan.problem.formulas[std::size_t(step.slot)]);
        QHash<QString, Decimal> inputs;
        for (int i = 0; i < step.sources.size(); ++i) {
            const std::optional<Decimal> &value = values[std::size_t(step.sources[i])];
            if (!value)
                return std::nullopt;
            inputs.insert(formula.inputs()[i], *value);
        }
        const std::optional<Decimal> value = formula.evaluate(inputs);
        if (!value || (step.exact && value->decimalsNeeded() > step.result.decimals))
            return std::nullopt;
        // Written with the teacher's decimals at most, and read back as the
        // pupil's next step reads it.
        const Decimal result = value->rounded(step.result.decimals);
        values[std::size_t(ProblemSlotCount + step.slot)] = result;
        variant.results[std::size_t(step.slot)] = numberText(result) + step.result.rest;
    }
    // From the end of the text backwards, so the places before stay right.
    std::sort(textNumbers.begin(), textNumbers.end(),
              [](const auto &a, const auto &b) { return a.first > b.first; });
    for (const auto &[place, number] : textNumbers) {
        int end = place;
        while (end < variant.text.size() &&
               (variant.text[end].isDigit() ||
                ((variant.text[end] == QLatin1Char(',') || variant.text[end] == QLatin1Char('.')) &&
                 end + 1 < variant.text.size() && variant.text[end + 1].isDigit())))
            ++end;
        variant.text.replace(place, end - place, number);
    }
    const KeyCheck::Report report = KeyCheck::check(variant);
    for (const KeyCheck::StepCheck &step : report.steps)
        if (step.verdict != KeyCheck::Verdict::Follows)
            return std::nullopt;
    return variant;
}

// The plan of a problem, or the reason it cannot have variants.
std::optional<Plan> planOf(const Problem &problem, QString &refusal)
{
    Plan plan;
    plan.problem = problem;
    const KeyCheck::Report report = KeyCheck::check(problem);
    for (const KeyCheck::StepCheck &check : report.steps)
        if (check.verdict != KeyCheck::Verdict::Follows) {
            refusal = QStringLiteral("Nuovi numeri solo quando ogni passaggio torna: il "
                                     "passaggio %1 non torna.")
                          .arg(check.step + 1);
            return std::nullopt;
        }
    for (int slot = 0; slot < ProblemSlotCount; ++slot) {
        const QString &text = problem.data[std::size_t(slot)];
        if (text.isEmpty())
            continue;
        const std::optional<Written> datum = split(text);
        if (!datum) {
            refusal = QStringLiteral("Il dato %1 («%2») non comincia con un numero: non so "
                                     "come cambiarlo.")
                          .arg(slot + 1)
                          .arg(text);
            return std::nullopt;
        }
        for (const auto &[other, earlier] : plan.data)
            if (earlier.value == datum->value) {
                refusal = QStringLiteral("I dati %1 e %2 hanno lo stesso numero, %3: nel testo "
                                         "non si sa quale sia l'uno e quale l'altro.")
                              .arg(other + 1)
                              .arg(slot + 1)
                              .arg(datum->number);
                return std::nullopt;
            }
        const QList<int> places = placesOf(datum->number, problem.text);
        if (places.size() != 1) {
            refusal = (places.isEmpty()
                           ? QStringLiteral("Il numero del dato %1 (%2) non compare nel testo: "
                                            "non so dove cambiarlo.")
                           : QStringLiteral("Il numero del dato %1 (%2) compare più volte nel "
                                            "testo: non so quale cambiare."))
                          .arg(slot + 1)
                          .arg(datum->number);
            return std::nullopt;
        }
        plan.data.push_back({slot, *datum});
        plan.textPlace.push_back(places.first());
    }
    if (plan.data.empty()) {
        refusal = QStringLiteral("Il problema non ha dati da cambiare.");
        return std::nullopt;
    }
    for (const KeyCheck::StepCheck &check : report.steps) {
        const std::optional<KeyCheck::Computation> computation =
            KeyCheck::computation(problem, check.step);
        const std::optional<Written> result = split(problem.results[std::size_t(check.step)]);
        if (!computation || !result)
            continue; // cannot happen for a step that follows
        Step step;
        step.slot = check.step;
        step.sources = computation->sources;
        step.result = *result;
        step.exact = computation->value == result->value;
        plan.steps.push_back(step);
    }
    return plan;
}

} // namespace

Outcome make(const Problem &problem, QRandomGenerator &random)
{
    return makeMany(problem, 1, random);
}

Outcome makeMany(const Problem &problem, int count, QRandomGenerator &random)
{
    Outcome outcome;
    const std::optional<Plan> plan = planOf(problem, outcome.refusal);
    if (!plan)
        return outcome;
    // Every factor once, as its lowest terms.
    std::vector<std::pair<int, int>> factors;
    std::set<std::pair<int, int>> seen;
    for (int denominator : {1, 2, 4, 5, 10})
        for (int numerator = 1; numerator <= 30 * denominator; ++numerator) {
            if (numerator * 5 < denominator || numerator == denominator)
                continue;
            const int common = std::gcd(numerator, denominator);
            if (seen.insert({numerator / common, denominator / common}).second)
                factors.push_back({numerator / common, denominator / common});
        }
    std::shuffle(factors.begin(), factors.end(), std::mt19937(random.generate()));
    std::stable_partition(factors.begin(), factors.end(), [](const std::pair<int, int> &f) {
        return 2 * f.first >= f.second && f.first <= 4 * f.second;
    });
    for (const auto &[numerator, denominator] : factors) {
        if (outcome.variants.size() == count)
            break;
        if (const std::optional<Problem> variant = scaled(*plan, numerator, denominator))
            outcome.variants.append(*variant);
    }
    if (outcome.variants.size() < count) {
        outcome.refusal =
            outcome.variants.isEmpty()
                ? QStringLiteral("Non trovo numeri nuovi con cui ogni passaggio torni esatto "
                                 "come nell'originale.")
                : QStringLiteral("Di questo problema si possono fare solo %1 varianti diverse.")
                      .arg(outcome.variants.size());
        outcome.variants.clear();
    }
    return outcome;
}

} // namespace Variants
