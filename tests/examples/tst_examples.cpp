// The example problems in examples/, one for each tab of the formula panel.
// Each must open for solving, ask for data and results the way a pupil writes
// them, use only formulas of its own tab whose segments the text names, and
// have results that really follow from its data: the test works every result
// out again from the data, with the geometry of the figure, and compares it
// with what the file expects the pupil to type; and the editor's key check
// finds every step following and nothing to mend.

#include "formulacatalogue.h"
#include "keycheck.h"
#include "problemfile.h"
#include "solvingsession.h"

#include <QDir>
#include <QImageReader>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>
#include <cmath>

namespace {

using Numbers = QList<double>;

// The examples by their file names, in the order of the panel's tabs.
const QStringList ByTab = {
    "Quadrato",          "Rettangolo",         "Parallelogramma",     "Rombo",
    "TrapezioIsoscele",  "TrapezioRettangolo", "TrapezioScaleno",     "TrapezioPitagora",
    "TriangoloIsoscele", "TriangoloScaleno",   "TriangoloRettangolo", "TriangoloEquilatero"};

double hypotenuse(double a, double b)
{
    return std::sqrt(a * a + b * b);
}

double leg(double hypotenuse, double other)
{
    return std::sqrt(hypotenuse * hypotenuse - other * other);
}

// The results of an example's steps in order, worked out from the numbers of
// its data, which are named in the order the file asks for them.
Numbers worked(const QString &example, const Numbers &d)
{
    if (example == "Quadrato") { // 2p, AC
        const double l = d[0] / 4;
        return {l, l * l, d[1] / 2};
    }
    if (example == "Rettangolo") // AB, DA
        return {(d[0] + d[1]) * 2, d[0] * d[1], hypotenuse(d[0], d[1])};
    if (example == "Parallelogramma") // AB, BC, CH
        return {leg(d[1], d[2]), (d[0] + d[1]) * 2, d[0] * d[2]};
    if (example == "Rombo") { // BD, AC
        const double co = d[1] / 2, bo = d[0] / 2, bc = hypotenuse(co, bo);
        return {d[0] * d[1] / 2, co, bo, bc, 4 * bc};
    }
    if (example == "TrapezioIsoscele") // AB, DC, AD = BC, h
        return {(d[0] - d[1]) / 2, d[0] + d[1] + 2 * d[2], (d[0] + d[1]) * d[3] / 2};
    if (example == "TrapezioRettangolo") // AB, DC, DA, BC
        return {d[0] - d[1], d[0] + d[1] + d[2] + d[3], (d[0] + d[1]) * d[2] / 2};
    if (example == "TrapezioScaleno") { // 2p, AB, AD, BC, CH
        const double bases = d[0] - d[2] - d[3];
        return {bases, bases - d[1], bases * d[4] / 2};
    }
    if (example == "TrapezioPitagora") // DK = CH, AD, BC, AH
        return {leg(d[1], d[0]), leg(d[2], d[0]), hypotenuse(d[3], d[0])};
    if (example == "TriangoloIsoscele") { // AB, AC = BC
        const double hb = d[0] / 2, ch = leg(d[1], hb);
        return {hb, ch, d[0] * ch / 2, d[0] + 2 * d[1]};
    }
    if (example == "TriangoloScaleno") { // AC, BC, CH
        const double ah = leg(d[0], d[2]), hb = leg(d[1], d[2]);
        return {ah, hb, ah + hb, ah + hb + d[0] + d[1], (ah + hb) * d[2] / 2};
    }
    if (example == "TriangoloRettangolo") { // AB, BC
        const double ca = leg(d[1], d[0]);
        return {ca, d[0] + ca + d[1], d[0] * ca / 2};
    }
    if (example == "TriangoloEquilatero") { // 2p, CH
        const double l = d[0] / 3;
        return {l, l / 2, l * d[1] / 2};
    }
    return {};
}

// A number as a pupil writes it: no more decimals than it has, with a comma.
// A value that would need rounding shows its extra digits and so differs.
QString pupilNumber(double value)
{
    QString text = QString::number(value, 'f', 6);
    while (text.endsWith('0'))
        text.chop(1);
    if (text.endsWith('.'))
        text.chop(1);
    return text.replace('.', ',');
}

// The slots a pupil meets: up to the first empty one.
template <class Field> int usedSlots(const std::array<Field, ProblemSlotCount> &fields)
{
    return int(std::find(fields.begin(), fields.end(), Field()) - fields.begin());
}

} // namespace

class TestExamples : public QObject {
    Q_OBJECT
private slots:
    void oneExampleForEachTab()
    {
        QCOMPARE(ByTab.size(), FormulaCatalogue::TabCount);
        QStringList files;
        for (const QString &name : ByTab)
            files << name + ".znv";
        files.sort();
        QCOMPARE(QDir(ZENUVIO_EXAMPLES_DIR).entryList({"*.znv"}, QDir::Files, QDir::Name), files);
    }

    void example_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : ByTab)
            QTest::newRow(qPrintable(name)) << name;
    }
    void example()
    {
        QFETCH(QString, name);
        const QDir folder(ZENUVIO_EXAMPLES_DIR);
        const auto read = ProblemFile::readForSolving(folder.filePath(name + ".znv"));
        QVERIFY2(read.problem, qPrintable(read.error));
        const Problem &p = *read.problem;

        // Data: each one in pupil form and found in the text, in the order asked.
        static const QRegularExpression pupilForm(
            "^((?:0|[1-9][0-9]*)(?:,[0-9]*[1-9])?) ((?:mm|cm|dm|m|km)²?)$");
        const int dataCount = usedSlots(p.data);
        QVERIFY2(dataCount >= 2 && dataCount <= 5, qPrintable(QString::number(dataCount)));
        Numbers data(ProblemSlotCount, std::nan(""));
        QString lengthUnit;
        qsizetype from = 0;
        for (int i = 0; i < dataCount; ++i) {
            const QRegularExpressionMatch m = pupilForm.match(p.data[i]);
            QVERIFY2(m.hasMatch(), qPrintable(p.data[i]));
            data[i] = QString(m.captured(1)).replace(',', '.').toDouble();
            if (lengthUnit.isEmpty() && !m.captured(2).endsWith(u'²'))
                lengthUnit = m.captured(2);
            const QRegularExpression inText("(?<![0-9,])" + QRegularExpression::escape(p.data[i]) +
                                            "(?![0-9²])");
            const QRegularExpressionMatch found = inText.match(p.text, from);
            QVERIFY2(found.hasMatch(), qPrintable(p.data[i] + " is not in the text, in order"));
            from = found.capturedEnd();
        }
        QVERIFY(!lengthUnit.isEmpty());

        // Steps: formulas of the problem's tab, whose segments the text names,
        // and results equal to the ones worked out here.
        const int stepCount = usedSlots(p.formulas);
        QVERIFY2(stepCount >= 2 && stepCount <= 5, qPrintable(QString::number(stepCount)));
        QCOMPARE(usedSlots(p.results), stepCount);
        const Numbers expected = worked(name, data);
        QCOMPARE(expected.size(), stepCount);
        static const QRegularExpression segment("(?<![A-Za-z])[A-Z]{2}(?![A-Za-z])");
        for (int i = 0; i < stepCount; ++i) {
            QVERIFY2(p.formulas[i], qPrintable(QString::number(i)));
            const int number = *p.formulas[i];
            const FormulaCatalogue::Entry &formula = FormulaCatalogue::entry(number);
            QVERIFY2(formula.tab == ByTab.indexOf(name),
                     qPrintable(QString("formula %1 is on %2")
                                    .arg(number)
                                    .arg(FormulaCatalogue::tabCaption(formula.tab))));
            const QString text = QString::fromUtf8(formula.formula);
            for (const QRegularExpressionMatch &m : segment.globalMatch(text)) {
                QString reversed = m.captured();
                std::reverse(reversed.begin(), reversed.end());
                const QRegularExpression named("\\b(" + m.captured() + "|" + reversed + ")\\b");
                QVERIFY2(named.match(p.text).hasMatch(), qPrintable(text + ": " + m.captured()));
            }
            const QString unit = lengthUnit + (text.startsWith("A =") ? "²" : "");
            QCOMPARE(p.results[i], pupilNumber(expected[i]) + ' ' + unit);
        }

        const auto edited = ProblemFile::read(folder.filePath(name + ".znv"));
        const KeyCheck::Report key = KeyCheck::check(*edited.problem);
        QCOMPARE(key.flaws, QStringList());
        QCOMPARE(key.steps.size(), stepCount);

        // Played as a pupil would, with its own answers, to the end.
        SolvingSession session;
        QCOMPARE(session.open(p).hint, SolvingHints::InserisciIDati);
        std::optional<QString> hint;
        for (int i = 0; i < dataCount; ++i) {
            session.typeDatum(i, p.data[i]);
            hint = session.confirmDatum(i).hint;
        }
        for (int i = 0; i < stepCount; ++i) {
            QCOMPARE(hint, SolvingHints::BravoScegliLaFormula);
            QCOMPARE(session.chooseFormula(*p.formulas[i]).hint, SolvingHints::Bravo);
            session.typeResult(i, p.results[i]);
            hint = session.confirmResult(i).hint;
        }
        QCOMPARE(hint, SolvingHints::BravoHaiFinito);

        // The figure: its own, beside the problem, a picture that fits the box.
        QCOMPARE(p.figureName, name + ".gif");
        QImageReader reader(folder.filePath(p.figureName));
        const QImage figure = reader.read();
        QVERIFY2(!figure.isNull(), qPrintable(reader.fileName() + ": " + reader.errorString()));
        QCOMPARE(figure.size().boundedTo(QSize(237, 101)), figure.size());
    }
};

QTEST_GUILESS_MAIN(TestExamples)
#include "tst_examples.moc"
