#include "keycheck.h"

#include "formulacatalogue.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

#include <vector>

namespace KeyCheck {

namespace {

// The quantities a pupil has before the step: the data, then the results of
// the steps above it, each that reads as a number.
// `sources`, when given, receives where each came from (see Computation).
std::vector<Quantity> quantitiesBefore(const Problem &problem, int step,
                                       std::vector<int> *sources = nullptr)
{
    std::vector<Quantity> list;
    for (int i = 0; i < ProblemSlotCount; ++i)
        if (const std::optional<Quantity> q = readQuantity(problem.data[i])) {
            list.push_back(*q);
            if (sources)
                sources->push_back(i);
        }
    for (int i = 0; i < step; ++i)
        if (const std::optional<Quantity> q = readQuantity(problem.results[i])) {
            list.push_back(*q);
            if (sources)
                sources->push_back(ProblemSlotCount + i);
        }
    return list;
}

struct Feeding {
    Decimal value;
    QString lengthUnit;        // of the first input fed with a unit
    std::vector<int> quantity; // the quantity fed to each input, by index
};

// Every feeding of the formula's inputs from the quantities, each quantity
// used at most once, its dimension fitting the input's (a number without unit
// fits any); first quantities first.
void feed(const FormulaExpression &formula, const std::vector<Quantity> &quantities, int input,
          std::vector<bool> &used, std::vector<int> &chosen, QHash<QString, Decimal> &values,
          QString lengthUnit, std::vector<Feeding> &out)
{
    const QStringList &inputs = formula.inputs();
    if (input == inputs.size()) {
        if (const std::optional<Decimal> value = formula.evaluate(values))
            out.push_back({*value, lengthUnit, chosen});
        return;
    }
    const Dimension wanted = FormulaExpression::dimensionOf(inputs[input]);
    for (std::size_t i = 0; i < quantities.size(); ++i) {
        const Quantity &q = quantities[i];
        if (used[i] || (q.dimension && *q.dimension != wanted))
            continue;
        used[i] = true;
        chosen.push_back(int(i));
        values.insert(inputs[input], q.value);
        feed(formula, quantities, input + 1, used, chosen, values,
             lengthUnit.isEmpty() ? q.lengthUnit : lengthUnit, out);
        chosen.pop_back();
        used[i] = false;
    }
    values.remove(inputs[input]);
}

std::vector<Feeding> feedings(const Problem &problem, int step, std::vector<int> *sources = nullptr)
{
    std::vector<Feeding> out;
    if (!problem.formulas[step])
        return out;
    const FormulaExpression &formula = FormulaExpression::ofCatalogue(*problem.formulas[step]);
    const std::vector<Quantity> quantities = quantitiesBefore(problem, step, sources);
    std::vector<bool> used(quantities.size(), false);
    std::vector<int> chosen;
    QHash<QString, Decimal> values;
    feed(formula, quantities, 0, used, chosen, values, QString(), out);
    return out;
}

QString unitFor(const QString &lengthUnit, Dimension dimension)
{
    if (lengthUnit.isEmpty())
        return QString();
    return dimension == Dimension::Area ? lengthUnit + QStringLiteral("²") : lengthUnit;
}

QString formulaText(const Problem &problem, int step)
{
    return QString::fromUtf8(FormulaCatalogue::entry(*problem.formulas[step]).formula);
}

// "ha uno spazio all'inizio o alla fine" / "ha due spazi di seguito", or empty.
QString blanksFlaw(const QString &text)
{
    if (text.isEmpty())
        return QString();
    if (text.front().isSpace() || text.back().isSpace())
        return QStringLiteral("ha uno spazio all'inizio o alla fine, che l'alunno non vede");
    if (text.contains(QRegularExpression(QStringLiteral("\\s\\s"))))
        return QStringLiteral("ha due spazi di seguito, che l'alunno non vede");
    return QString();
}

QString dimensionWords(Dimension dimension)
{
    return dimension == Dimension::Area ? QStringLiteral("un'area")
                                        : QStringLiteral("una lunghezza");
}

// The tab most steps' formulas lie on; among equals, the first step's.
int problemTab(const Problem &problem)
{
    QHash<int, int> count;
    int best = -1;
    for (const std::optional<int> &formula : problem.formulas) {
        if (!formula)
            continue;
        const int tab = FormulaCatalogue::entry(*formula).tab;
        ++count[tab];
        if (best < 0 || count[tab] > count[best])
            best = tab;
    }
    return best;
}

StepCheck checkStep(const Problem &problem, int step, const Quantity &result)
{
    StepCheck check;
    check.step = step;
    const FormulaExpression &formula = FormulaExpression::ofCatalogue(*problem.formulas[step]);
    const std::vector<Feeding> all = feedings(problem, step);
    check.verdict = all.empty() ? Verdict::CannotCompute : Verdict::DoesNotFollow;
    const int decimals = std::max(2, result.decimals);
    // The value nearest the teacher's comes first: it is the one the
    // teacher most likely meant.
    std::vector<Feeding> sorted = all;
    const auto distance = [&](const Feeding &f) {
        return std::abs(f.value.toDouble() - result.value.toDouble());
    };
    std::stable_sort(sorted.begin(), sorted.end(),
                     [&](const Feeding &a, const Feeding &b) { return distance(a) < distance(b); });
    for (const Feeding &feeding : sorted) {
        if (feeding.value.rounded(result.decimals) == result.value)
            check.verdict = Verdict::Follows;
        const QString text = written(
            feeding.value, unitFor(feeding.lengthUnit, formula.outputDimension()), decimals);
        if (!check.values.contains(text))
            check.values.append(text);
    }
    return check;
}

QString notFollowing(const Problem &problem, const StepCheck &check)
{
    const int n = check.step + 1;
    if (check.verdict == Verdict::CannotCompute)
        return QStringLiteral("Il passaggio %1 non torna: «%2» chiede misure che non sono tra i "
                              "dati e i risultati precedenti.")
            .arg(n)
            .arg(formulaText(problem, check.step));
    return QStringLiteral("Il passaggio %1 non torna: con «%2» e i dati, il risultato sarebbe "
                          "«%3», non «%4».")
        .arg(n)
        .arg(formulaText(problem, check.step), check.values.value(0), problem.results[check.step]);
}

} // namespace

std::optional<Quantity> readQuantity(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d+(?:[.,]\\d+)?)\\s*(.*?)\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    Quantity q;
    const std::optional<Decimal> value = Decimal::fromText(match.captured(1), &q.decimals);
    if (!value)
        return std::nullopt;
    q.value = *value;
    q.unit = match.captured(2);
    static const QRegularExpression unitPattern(QStringLiteral("^(mm|cm|dm|m|dam|hm|km)(²|2|q)?$"));
    const QRegularExpressionMatch unit = unitPattern.match(q.unit);
    if (unit.hasMatch()) {
        q.lengthUnit = unit.captured(1);
        q.dimension = unit.captured(2).isEmpty() ? Dimension::Length : Dimension::Area;
    }
    return q;
}

QString written(Decimal value, const QString &unit, int decimals)
{
    const QString number = value.toText(std::min(value.decimalsNeeded(), decimals));
    return unit.isEmpty() ? number : number + QLatin1Char(' ') + unit;
}

static void checkResult(const Problem &problem, int i, int tab, bool dataHaveUnits, Report &report);

Report check(const Problem &problem)
{
    Report report;
    bool dataHaveUnits = false;
    for (int i = 0; i < ProblemSlotCount; ++i) {
        const QString blanks = blanksFlaw(problem.data[i]);
        if (!blanks.isEmpty()) {
            report.flaws.append(QStringLiteral("Il dato %1 %2.").arg(i + 1).arg(blanks));
            report.datumFlaws[i] = report.flaws.last();
        }
        if (const std::optional<Quantity> q = readQuantity(problem.data[i]))
            dataHaveUnits = dataHaveUnits || !q->unit.isEmpty();
    }
    const int tab = problemTab(problem);
    for (int i = 0; i < ProblemSlotCount; ++i) {
        const int before = int(report.flaws.size());
        checkResult(problem, i, tab, dataHaveUnits, report);
        report.resultFlaws[i] = report.flaws.mid(before).join(QLatin1Char(' '));
    }
    return report;
}

static void checkResult(const Problem &problem, int i, int tab, bool dataHaveUnits, Report &report)
{
    {
        const QString &text = problem.results[i];
        const int n = i + 1;
        const QString blanks = blanksFlaw(text);
        if (!blanks.isEmpty())
            report.flaws.append(
                QStringLiteral("Il risultato del passaggio %1 %2.").arg(n).arg(blanks));
        if (!problem.formulas[i] || text.isEmpty())
            return;
        const FormulaCatalogue::Entry &entry = FormulaCatalogue::entry(*problem.formulas[i]);
        if (entry.tab != tab)
            report.flaws.append(QStringLiteral("La formula del passaggio %1 è della scheda «%2», "
                                               "le altre della scheda «%3».")
                                    .arg(n)
                                    .arg(FormulaCatalogue::tabCaption(entry.tab),
                                         FormulaCatalogue::tabCaption(tab)));
        const std::optional<Quantity> result = readQuantity(text);
        if (!result) {
            report.flaws.append(
                QStringLiteral("Il risultato del passaggio %1 non comincia con un numero.").arg(n));
            return;
        }
        const Dimension wanted = FormulaExpression::ofCatalogue(entry.number).outputDimension();
        if (result->dimension && *result->dimension != wanted)
            report.flaws.append(
                QStringLiteral("Il risultato del passaggio %1 è %2, ma «%3» misura "
                               "%4.")
                    .arg(n)
                    .arg(dimensionWords(wanted), result->unit, dimensionWords(*result->dimension)));
        else if (result->unit.isEmpty() && dataHaveUnits)
            report.flaws.append(QStringLiteral("Il risultato del passaggio %1 non ha l'unità di "
                                               "misura, ma i dati ce l'hanno.")
                                    .arg(n));
        const StepCheck step = checkStep(problem, i, *result);
        if (step.verdict != Verdict::Follows)
            report.flaws.append(notFollowing(problem, step));
        report.steps.append(step);
    }
}

std::optional<Computation> computation(const Problem &problem, int step)
{
    if (step < 0 || step >= ProblemSlotCount || !problem.formulas[step])
        return std::nullopt;
    const std::optional<Quantity> result = readQuantity(problem.results[step]);
    if (!result)
        return std::nullopt;
    std::vector<int> sources;
    for (const Feeding &feeding : feedings(problem, step, &sources)) {
        if (feeding.value.rounded(result->decimals) != result->value)
            continue;
        Computation found;
        for (int index : feeding.quantity)
            found.sources.append(sources[std::size_t(index)]);
        found.value = feeding.value;
        return found;
    }
    return std::nullopt;
}

QStringList possibleResults(const Problem &problem, int step)
{
    QStringList values;
    if (step < 0 || step >= ProblemSlotCount || !problem.formulas[step])
        return values;
    const Dimension dimension =
        FormulaExpression::ofCatalogue(*problem.formulas[step]).outputDimension();
    for (const Feeding &feeding : feedings(problem, step)) {
        const QString text = written(feeding.value, unitFor(feeding.lengthUnit, dimension));
        if (!values.contains(text))
            values.append(text);
    }
    return values;
}

QString stepLine(const Problem &problem, const StepCheck &check)
{
    if (check.verdict == Verdict::Follows)
        return QStringLiteral("Passaggio %1: torna (%2).")
            .arg(check.step + 1)
            .arg(problem.results[check.step]);
    return notFollowing(problem, check);
}

int checkFiles(const QStringList &paths, QTextStream &out, QTextStream &errors)
{
    int status = 0;
    for (const QString &path : paths) {
        const ReadResult read = ProblemFile::read(path);
        if (!read.problem) {
            errors << read.error << Qt::endl;
            status = 2;
            continue;
        }
        out << path << ':' << Qt::endl;
        const Report report = check(*read.problem);
        for (const StepCheck &step : report.steps)
            out << "  " << stepLine(*read.problem, step) << Qt::endl;
        for (const QString &flaw : report.flaws)
            if (!flaw.contains(QStringLiteral(" non torna: ")))
                out << "  " << flaw << Qt::endl;
        if (!report.flaws.isEmpty() && status == 0)
            status = 1;
    }
    return status;
}

} // namespace KeyCheck
