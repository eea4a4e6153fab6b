// The examples and their variants with new numbers. Each example opens for
// solving, in the form a pupil writes, with formulas of its own tab and a
// figure of its own that fits the figure box; twenty variants of it follow and
// change every datum and its number in the text. Areas scale as squares; what
// makes no variant.

#include "formulacatalogue.h"
#include "keycheck.h"
#include "problemfile.h"
#include "variants.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QTest>

namespace {

double numberOf(const QString &text)
{
    return KeyCheck::readQuantity(text)->value.toDouble();
}

// The number as a number of its own in a text.
QRegularExpression standing(const QString &number)
{
    return QRegularExpression(QStringLiteral("(?<![\\d,])") + QRegularExpression::escape(number) +
                              QStringLiteral("(?![\\d]|,\\d)"));
}

} // namespace

class TestVariants : public QObject {
    Q_OBJECT

private slots:
    void examples_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("tab");
        const QStringList byTab = {"Quadrato",
                                   "Rettangolo",
                                   "Parallelogramma",
                                   "Rombo",
                                   "TrapezioIsoscele",
                                   "TrapezioRettangolo",
                                   "TrapezioScaleno",
                                   "TrapezioPitagora",
                                   "TriangoloIsoscele",
                                   "TriangoloScaleno",
                                   "TriangoloRettangolo",
                                   "TriangoloEquilatero"};
        for (int tab = 0; tab < byTab.size(); ++tab)
            QTest::newRow(qPrintable(byTab[tab])) << byTab[tab] << tab;
    }
    void examples()
    {
        QFETCH(QString, name);
        QFETCH(int, tab);
        const QDir folder(QStringLiteral(ZENUVIO_EXAMPLES_DIR));
        const auto read = ProblemFile::readForSolving(folder.filePath(name + ".znv"));
        QVERIFY2(read.problem, qPrintable(read.error));
        const Problem &original = *read.problem;
        static const QRegularExpression pupilForm(
            "^(?:0|[1-9][0-9]*)(?:,[0-9]*[1-9])? (?:mm|cm|dm|m|km)²?$");
        for (int i = 0; i < ProblemSlotCount; ++i) {
            const QString &result = original.results[i];
            QCOMPARE(original.formulas[i].has_value(), !result.isEmpty());
            QVERIFY2(original.data[i].isEmpty() || pupilForm.match(original.data[i]).hasMatch(),
                     qPrintable(original.data[i]));
            QVERIFY2(result.isEmpty() ||
                         (pupilForm.match(result).hasMatch() &&
                          FormulaCatalogue::entry(*original.formulas[i]).tab == tab),
                     qPrintable(result));
        }
        QCOMPARE(original.figureName, name + ".gif");
        const QImage figure(folder.filePath(original.figureName));
        QVERIFY(!figure.isNull() && figure.size().boundedTo(QSize(237, 101)) == figure.size());

        QRandomGenerator random(18);
        const Variants::Outcome outcome = Variants::makeMany(original, 20, random);
        QVERIFY2(outcome.refusal.isEmpty(), qPrintable(outcome.refusal));
        QCOMPARE(outcome.variants.size(), 20);
        for (const Problem &variant : outcome.variants) {
            const KeyCheck::Report report = KeyCheck::check(variant);
            QVERIFY2(report.flaws.isEmpty(), qPrintable(report.flaws.join('\n')));
            for (int i = 0; i < ProblemSlotCount; ++i) {
                if (original.data[i].isEmpty())
                    continue;
                QVERIFY2(numberOf(variant.data[i]) != numberOf(original.data[i]),
                         qPrintable(variant.data[i]));
                const QString oldNumber = original.data[i].section(QLatin1Char(' '), 0, 0);
                const QString newNumber = variant.data[i].section(QLatin1Char(' '), 0, 0);
                QVERIFY2(!variant.text.contains(standing(oldNumber)) &&
                             variant.text.contains(standing(newNumber)),
                         qPrintable(oldNumber + " → " + newNumber + ": " + variant.text));
            }
        }
    }

    // An area grows as the square of the lengths (h = A / b): its ratio to a
    // length squared stays as it was.
    void areasScaleAsSquares()
    {
        const Problem problem{"Area 60 cm², base 12 cm.", "", {"60 cm²", "12 cm"}, {8}, {"5 cm"}};
        QRandomGenerator random(3);
        const Variants::Outcome outcome = Variants::makeMany(problem, 5, random);
        QVERIFY2(!outcome.variants.isEmpty(), qPrintable(outcome.refusal));
        for (const Problem &variant : outcome.variants) {
            const double base = numberOf(variant.data[1]);
            QVERIFY2(qFuzzyCompare(numberOf(variant.data[0]) / (base * base), 60.0 / 144),
                     qPrintable(variant.data[0] + " " + variant.data[1]));
        }
    }

    // What makes no variant: the refusal begins so.
    void refusals_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("refusal");
        const auto row = [](const char *tag, const char *text, const char *result,
                            const char *refusal) {
            QTest::newRow(tag) << text << result << refusal;
        };
        row("part of another number is not the datum", "Base 12 cm, altezza 15 cm.", "60 cm²",
            "Il numero del dato 2 (5) non compare nel testo");
        row("datum twice in the text", "Base 12 cm, altezza 5 cm; 5 rettangoli così.", "60 cm²",
            "Il numero del dato 2 (5) compare più volte nel testo");
        row("a step that does not follow", "Base 12 cm, altezza 5 cm.", "54 cm²",
            "Nuovi numeri solo quando ogni passaggio torna: il passaggio 1 non torna.");
    }
    void refusals()
    {
        QFETCH(QString, text);
        QFETCH(QString, result);
        QFETCH(QString, refusal);
        const Problem problem{text, "", {"12 cm", "5 cm"}, {6}, {result}}; // A = b × h
        QRandomGenerator random(1);
        const Variants::Outcome outcome = Variants::make(problem, random);
        QVERIFY(outcome.variants.isEmpty());
        QVERIFY2(outcome.refusal.startsWith(refusal), qPrintable(outcome.refusal));
    }
};

QTEST_GUILESS_MAIN(TestVariants)
#include "tst_variants.moc"
