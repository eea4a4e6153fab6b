// The example problems in examples/, one for each tab of the formula panel.
// Each must open for solving, ask for data and results the way a pupil writes
// them, use only formulas of its own tab, and have a figure of its own that fits the figure box.
// That the results follow and that each datum stands once in the text, tst_variants checks when it
// gives every example new numbers.

#include "formulacatalogue.h"
#include "problemfile.h"

#include <QDir>
#include <QImageReader>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>

namespace {

// The examples by their file names, in the order of the panel's tabs.
const QStringList ByTab = {
    "Quadrato",          "Rettangolo",         "Parallelogramma",     "Rombo",
    "TrapezioIsoscele",  "TrapezioRettangolo", "TrapezioScaleno",     "TrapezioPitagora",
    "TriangoloIsoscele", "TriangoloScaleno",   "TriangoloRettangolo", "TriangoloEquilatero"};

// The slots a pupil meets: up to the first empty one.
template <class Field> int usedSlots(const std::array<Field, ProblemSlotCount> &fields)
{
    return int(std::find(fields.begin(), fields.end(), Field()) - fields.begin());
}

} // namespace

class TestExamples : public QObject {
    Q_OBJECT
private slots:
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

        // Data and results in pupil form, in one length unit.
        static const QRegularExpression pupilForm(
            "^(?:0|[1-9][0-9]*)(?:,[0-9]*[1-9])? ((?:mm|cm|dm|m|km)²?)$");
        const int dataCount = usedSlots(p.data);
        QVERIFY2(dataCount >= 2 && dataCount <= 5, qPrintable(QString::number(dataCount)));
        QString lengthUnit;
        for (int i = 0; i < dataCount; ++i) {
            const QRegularExpressionMatch m = pupilForm.match(p.data[i]);
            QVERIFY2(m.hasMatch(), qPrintable(p.data[i]));
            if (lengthUnit.isEmpty() && !m.captured(1).endsWith(u'²'))
                lengthUnit = m.captured(1);
        }
        QVERIFY(!lengthUnit.isEmpty());

        // Steps: formulas of the problem's tab, each result in the unit of what
        // its formula works out.
        const int stepCount = usedSlots(p.formulas);
        QVERIFY2(stepCount >= 2 && stepCount <= 5, qPrintable(QString::number(stepCount)));
        QCOMPARE(usedSlots(p.results), stepCount);
        for (int i = 0; i < stepCount; ++i) {
            QVERIFY2(p.formulas[i], qPrintable(QString::number(i)));
            const FormulaCatalogue::Entry &formula = FormulaCatalogue::entry(*p.formulas[i]);
            QCOMPARE(formula.tab, int(ByTab.indexOf(name)));
            const QString text = QString::fromUtf8(formula.formula);
            const QRegularExpressionMatch m = pupilForm.match(p.results[i]);
            QVERIFY2(m.hasMatch(), qPrintable(p.results[i]));
            QCOMPARE(m.captured(1), lengthUnit + (text.startsWith("A =") ? "²" : ""));
        }

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
