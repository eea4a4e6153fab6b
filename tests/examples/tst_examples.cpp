// The example problems in examples/, one for each tab of the formula panel.
// Each must open for solving, ask for data and results the way a pupil writes
// them, use only formulas of its own tab, and have a figure of its own that
// fits the figure box. That the results follow and that each datum stands
// once in the text, tst_variants checks when it gives every example new numbers.

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

        // Data and results in pupil form; formulas of the problem's tab.
        static const QRegularExpression pupilForm(
            "^(?:0|[1-9][0-9]*)(?:,[0-9]*[1-9])? (?:mm|cm|dm|m|km)²?$");
        for (int i = 0; i < usedSlots(p.data); ++i)
            QVERIFY2(pupilForm.match(p.data[i]).hasMatch(), qPrintable(p.data[i]));
        const int stepCount = usedSlots(p.formulas);
        QVERIFY(stepCount >= 2);
        QCOMPARE(usedSlots(p.results), stepCount);
        for (int i = 0; i < stepCount; ++i) {
            QVERIFY2(pupilForm.match(p.results[i]).hasMatch(), qPrintable(p.results[i]));
            QCOMPARE(FormulaCatalogue::entry(*p.formulas[i]).tab, int(ByTab.indexOf(name)));
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
