// The spoken formulas: the catalogue's tricky constructs checked word for
// word, and the whole catalogue checked for leftovers of the notation.

#include "formulacatalogue.h"
#include "formulawords.h"

#include <QRegularExpression>
#include <QTest>

class TestFormulaWords : public QObject {
    Q_OBJECT

private slots:
    void words_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("words");

        auto row = [](const char *tag, const char *formula, const char *words) {
            QTest::newRow(tag) << QString::fromUtf8(formula) << QString::fromUtf8(words);
        };
        row("names as written", "l1 = 2p − b − l2", "l1 uguale 2p meno b meno l2");
        row("digit before segment", "AB = KH + 2HB", "AB uguale KH più 2 per HB");
        row("dot", "2p = B + b + 2 · l", "2p uguale B più b più 2 per l");
        row("group inside numerator", "A = [(B + b) × h] / 2",
            "A uguale B più b, il tutto per h, il tutto fratto 2");
        row("fraction then minus", "B = [A × 2] / h − b",
            "B uguale A per 2, il tutto fratto h, meno b");
        row("single-term fraction", "l = 2p / 4", "l uguale 2p fratto 4");
        row("root of a term", "l = √A", "l uguale radice quadrata di A");
        row("root of a sum", "BD = √(AB² + DA²)",
            "BD uguale radice quadrata di AB al quadrato più DA al quadrato");
    }

    void words()
    {
        QFETCH(QString, formula);
        QFETCH(QString, words);
        QCOMPARE(FormulaWords::spoken(formula), words);
    }

    // Every catalogue formula is read to the end: no sign of the notation is left.
    void wholeCatalogue()
    {
        static const QRegularExpression sign(QStringLiteral("[\\[\\]()/√²×·−=]"));
        for (const auto &entry : FormulaCatalogue::entries()) {
            const QString words = FormulaWords::spoken(QString::fromUtf8(entry.formula));
            QVERIFY2(!words.isEmpty() && !words.contains(sign), qPrintable(words));
        }
    }
};

QTEST_GUILESS_MAIN(TestFormulaWords)
#include "tst_formulawords.moc"
