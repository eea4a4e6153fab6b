// The example problems in examples/, one for each tab of the formula panel.
// Each must open for solving, ask for data and results the way a pupil writes
// them, use only formulas of its own tab whose segments the text names, and
// have results that really follow from its data: the test works every result
// out again from the data, with the geometry of the figure, and compares it
// with what the file expects the pupil to type.

#include "formulacatalogue.h"
#include "problemfile.h"
#include "solvingsession.h"

#include <QDir>
#include <QImageReader>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <set>

namespace {

using Numbers = QList<double>;

struct Worked {
    int tab;
    // The results of the steps in order, from the numbers of the data.
    std::function<Numbers(const Numbers &)> results;
};

double hypotenuse(double a, double b)
{
    return std::sqrt(a * a + b * b);
}

double leg(double hypotenuse, double other)
{
    return std::sqrt(hypotenuse * hypotenuse - other * other);
}

// Every example by its file name, with the data named in the order the file
// asks for them.
const std::map<QString, Worked> &worked()
{
    static const std::map<QString, Worked> all = {
        {"Quadrato",
         {0,
          [](const Numbers &d) { // 2p, AC
              const double l = d[0] / 4;
              return Numbers{l, l * l, d[1] / 2};
          }}},
        {"Rettangolo",
         {1,
          [](const Numbers &d) { // AB, DA
              return Numbers{(d[0] + d[1]) * 2, d[0] * d[1], hypotenuse(d[0], d[1])};
          }}},
        {"Parallelogramma",
         {2,
          [](const Numbers &d) { // AB, BC, CH
              return Numbers{leg(d[1], d[2]), (d[0] + d[1]) * 2, d[0] * d[2]};
          }}},
        {"Rombo",
         {3,
          [](const Numbers &d) { // BD, AC
              const double co = d[1] / 2, bo = d[0] / 2, bc = hypotenuse(co, bo);
              return Numbers{d[0] * d[1] / 2, co, bo, bc, 4 * bc};
          }}},
        {"TrapezioIsoscele",
         {4,
          [](const Numbers &d) { // AB, DC, AD = BC, h
              return Numbers{(d[0] - d[1]) / 2, d[0] + d[1] + 2 * d[2], (d[0] + d[1]) * d[3] / 2};
          }}},
        {"TrapezioRettangolo",
         {5,
          [](const Numbers &d) { // AB, DC, DA, BC
              return Numbers{d[0] - d[1], d[0] + d[1] + d[2] + d[3], (d[0] + d[1]) * d[2] / 2};
          }}},
        {"TrapezioScaleno",
         {6,
          [](const Numbers &d) { // 2p, AB, AD, BC, CH
              const double bases = d[0] - d[2] - d[3];
              return Numbers{bases, bases - d[1], bases * d[4] / 2};
          }}},
        {"TrapezioPitagora",
         {7,
          [](const Numbers &d) { // DK = CH, AD, BC, AH
              return Numbers{leg(d[1], d[0]), leg(d[2], d[0]), hypotenuse(d[3], d[0])};
          }}},
        {"TriangoloIsoscele",
         {8,
          [](const Numbers &d) { // AB, AC = BC
              const double hb = d[0] / 2, ch = leg(d[1], hb);
              return Numbers{hb, ch, d[0] * ch / 2, d[0] + 2 * d[1]};
          }}},
        {"TriangoloScaleno",
         {9,
          [](const Numbers &d) { // AC, BC, CH
              const double ah = leg(d[0], d[2]), hb = leg(d[1], d[2]);
              return Numbers{ah, hb, ah + hb, ah + hb + d[0] + d[1], (ah + hb) * d[2] / 2};
          }}},
        {"TriangoloRettangolo",
         {10,
          [](const Numbers &d) { // AB, BC
              const double ca = leg(d[1], d[0]);
              return Numbers{ca, d[0] + ca + d[1], d[0] * ca / 2};
          }}},
        {"TriangoloEquilatero",
         {11,
          [](const Numbers &d) { // 2p, CH
              const double l = d[0] / 3;
              return Numbers{l, l / 2, l * d[1] / 2};
          }}},
    };
    return all;
}

QStringList exampleFiles()
{
    return QDir(ZENUVIO_EXAMPLES_DIR).entryList({"*.znv"}, QDir::Files, QDir::Name);
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

// The slots in use: they start at the first and leave no gap.
int usedSlots(const std::array<QString, ProblemSlotCount> &fields)
{
    const int used = int(std::find(fields.begin(), fields.end(), QString()) - fields.begin());
    return std::all_of(fields.begin() + used, fields.end(),
                       [](const QString &s) { return s.isEmpty(); })
               ? used
               : -1;
}

} // namespace

class TestExamples : public QObject {
    Q_OBJECT
private slots:
    void oneExampleForEachTab()
    {
        const QStringList files = exampleFiles();
        QVERIFY2(files.size() >= FormulaCatalogue::TabCount, qPrintable(files.join(' ')));
        std::multiset<int> tabs;
        for (const QString &file : files) {
            const auto it = worked().find(QFileInfo(file).completeBaseName());
            QVERIFY2(it != worked().end(), qPrintable(file + " is not worked out here"));
            tabs.insert(it->second.tab);
        }
        for (int tab = 0; tab < FormulaCatalogue::TabCount; ++tab)
            QVERIFY2(tabs.count(tab) == 1, qPrintable(FormulaCatalogue::tabCaption(tab)));
    }

    void example_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &file : exampleFiles())
            QTest::newRow(qPrintable(file)) << QFileInfo(file).completeBaseName();
    }
    void example()
    {
        QFETCH(QString, name);
        const QDir folder(ZENUVIO_EXAMPLES_DIR);
        const auto read = ProblemFile::readForSolving(folder.filePath(name + ".znv"));
        QVERIFY2(read.problem, qPrintable(read.error));
        const SolvingProblem &p = *read.problem;
        const auto it = worked().find(name);
        QVERIFY(it != worked().end());
        const Worked &w = it->second;

        // Data: each one in pupil form and found in the text, in the order asked.
        static const QRegularExpression pupilForm(
            "^((?:0|[1-9][0-9]*)(?:,[0-9]*[1-9])?) ((?:mm|cm|dm|m|km)²?)$");
        const int dataCount = usedSlots(p.dati);
        QVERIFY2(dataCount >= 2 && dataCount <= 5, qPrintable(QString::number(dataCount)));
        Numbers data(ProblemSlotCount, std::nan(""));
        QString lengthUnit;
        qsizetype from = 0;
        for (int i = 0; i < dataCount; ++i) {
            const QRegularExpressionMatch m = pupilForm.match(p.dati[i]);
            QVERIFY2(m.hasMatch(), qPrintable(p.dati[i]));
            data[i] = QString(m.captured(1)).replace(',', '.').toDouble();
            if (lengthUnit.isEmpty() && !m.captured(2).endsWith(u'²'))
                lengthUnit = m.captured(2);
            const QRegularExpression inText("(?<![0-9,])" + QRegularExpression::escape(p.dati[i]) +
                                            "(?![0-9²])");
            const QRegularExpressionMatch found = inText.match(p.testo, from);
            QVERIFY2(found.hasMatch(), qPrintable(p.dati[i] + " is not in the text, in order"));
            from = found.capturedEnd();
        }
        QVERIFY(!lengthUnit.isEmpty());

        // Steps: formulas of the problem's tab, whose segments the text names,
        // and results equal to the ones worked out here.
        const int stepCount = usedSlots(p.formule);
        QVERIFY2(stepCount >= 2 && stepCount <= 5, qPrintable(QString::number(stepCount)));
        QCOMPARE(usedSlots(p.risultati), stepCount);
        const Numbers expected = w.results(data);
        QCOMPARE(expected.size(), stepCount);
        static const QRegularExpression segment("(?<![A-Za-z])[A-Z]{2}(?![A-Za-z])");
        for (int i = 0; i < stepCount; ++i) {
            bool isNumber = false;
            const int number = p.formule[i].toInt(&isNumber);
            QVERIFY2(isNumber && number >= 0 && number < FormulaCatalogue::FormulaCount,
                     qPrintable(p.formule[i]));
            const FormulaCatalogue::Entry &formula = FormulaCatalogue::entry(number);
            QVERIFY2(formula.tab == w.tab,
                     qPrintable(QString("formula %1 is on %2")
                                    .arg(number)
                                    .arg(FormulaCatalogue::tabCaption(formula.tab))));
            const QString text = QString::fromUtf8(formula.formula);
            for (const QRegularExpressionMatch &m : segment.globalMatch(text)) {
                QString reversed = m.captured();
                std::reverse(reversed.begin(), reversed.end());
                const QRegularExpression named("\\b(" + m.captured() + "|" + reversed + ")\\b");
                QVERIFY2(named.match(p.testo).hasMatch(), qPrintable(text + ": " + m.captured()));
            }
            const QString unit =
                lengthUnit + (QString::fromUtf8(formula.formula).startsWith("A =") ? "²" : "");
            QCOMPARE(p.risultati[i], pupilNumber(expected[i]) + ' ' + unit);
        }

        // Played as a pupil would, with its own answers, to the end.
        SolvingSession session;
        QCOMPARE(session.open(p).hint, SolvingHints::InserisciIDati);
        std::optional<QString> hint;
        for (int i = 0; i < dataCount; ++i) {
            session.typeDatum(i, p.dati[i]);
            hint = session.confirmDatum(i).hint;
        }
        for (int i = 0; i < stepCount; ++i) {
            QCOMPARE(hint, SolvingHints::BravoScegliLaFormula);
            QCOMPARE(session.chooseFormula(p.formule[i].toInt()).hint, SolvingHints::Bravo);
            session.typeResult(i, p.risultati[i]);
            hint = session.confirmResult(i).hint;
        }
        QCOMPARE(hint, SolvingHints::BravoHaiFinito);

        // The figure: its own, beside the problem, a picture that fits the box.
        QCOMPARE(p.nomeFigura, name + ".gif");
        QImageReader reader(folder.filePath(p.nomeFigura));
        const QImage figure = reader.read();
        QVERIFY2(!figure.isNull(), qPrintable(reader.fileName() + ": " + reader.errorString()));
        QCOMPARE(figure.size().boundedTo(QSize(237, 101)), figure.size());
    }
};

QTEST_GUILESS_MAIN(TestExamples)
#include "tst_examples.moc"
