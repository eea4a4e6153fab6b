// The catalogue is the one source of formula numbers, tabs and places; a slip
// in it makes stored problems point at the wrong formula. These tests check it
// against a second, independent copy of the panel's grid and against itself.

#include "formulacatalogue.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <stdexcept>

using FormulaCatalogue::Entry;
using FormulaCatalogue::Kind;

// One grid row: the formula numbers in column 1 and column 2, -1 for an empty place.
using Place = std::pair<int, int>;
using Grid = QList<Place>;
Q_DECLARE_METATYPE(Grid)
Q_DECLARE_METATYPE(FormulaCatalogue::Kind)

namespace {

// The separate words and numbers of a formula ("AB", "2p", "A", "2", ...).
QStringList terms(const char *formula)
{
    static const QRegularExpression term(QStringLiteral("[A-Za-z0-9]+"));
    QStringList found;
    auto matches = term.globalMatch(QString::fromUtf8(formula));
    while (matches.hasNext())
        found << matches.next().captured();
    return found;
}

} // namespace

class TestFormulaCatalogue : public QObject {
    Q_OBJECT

private slots:
    void everyNumberOnceInOrder();
    void lookupOutsideTheCatalogueThrows();
    void placesAreInsideTheGrid();
    void noTwoBoxesAtOnePlace();
    void tabsMatchThePanelGrid_data();
    void tabsMatchThePanelGrid();
    void captionOutsideTheStripIsEmpty();
    void kindColours_data();
    void kindColours();
    void formulaStartsWithWhatItYields();
    void kindAgreesWithTheFormula();
};

void TestFormulaCatalogue::everyNumberOnceInOrder()
{
    const auto &all = FormulaCatalogue::entries();
    QCOMPARE(int(all.size()), 139);
    for (int number = 0; number < FormulaCatalogue::FormulaCount; ++number) {
        QCOMPARE(all[number].number, number);
        QCOMPARE(&FormulaCatalogue::entry(number), &all[number]);
    }
}

void TestFormulaCatalogue::lookupOutsideTheCatalogueThrows()
{
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, FormulaCatalogue::entry(-1));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, FormulaCatalogue::entry(139));
}

void TestFormulaCatalogue::placesAreInsideTheGrid()
{
    for (const Entry &entry : FormulaCatalogue::entries()) {
        const QByteArray where = QByteArray::number(entry.number);
        QVERIFY2(entry.tab >= 0 && entry.tab < FormulaCatalogue::TabCount, where);
        QVERIFY2(entry.row >= 1 && entry.row <= 8, where);
        QVERIFY2(entry.column == 1 || entry.column == 2, where);
        QVERIFY2(entry.pictureWidth >= 37 && entry.pictureWidth <= 114, where);
        QVERIFY2(entry.pictureHeight >= 36 && entry.pictureHeight <= 43, where);
    }
}

void TestFormulaCatalogue::noTwoBoxesAtOnePlace()
{
    QSet<int> places;
    for (const Entry &entry : FormulaCatalogue::entries()) {
        const int place = (entry.tab * 10 + entry.row) * 10 + entry.column;
        QVERIFY2(!places.contains(place), QByteArray::number(entry.number));
        places.insert(place);
    }
}

// The grid of every tab, copied separately from the panel's layout: row by
// row, the formula numbers of column 1 and column 2.
void TestFormulaCatalogue::tabsMatchThePanelGrid_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("count");
    QTest::addColumn<Grid>("grid");

    QTest::newRow("Quadrato") << 0 << QStringLiteral("Quadrato") << 7
                              << Grid{{0, 1},   {3, 2},   {138, -1}, {4, 5},
                                      {-1, -1}, {-1, -1}, {-1, -1},  {-1, -1}};
    QTest::newRow("Rettangolo") << 1 << QStringLiteral("Rettangolo") << 9
                                << Grid{{6, 7},   {8, -1},  {9, 11},  {10, -1},
                                        {12, 13}, {14, -1}, {-1, -1}, {-1, -1}};
    QTest::newRow("Parallelogr.") << 2 << QStringLiteral("Parallelogr.") << 12
                                  << Grid{{17, 16}, {15, -1}, {20, 19}, {18, -1},
                                          {21, 22}, {23, -1}, {24, 25}, {26, -1}};
    QTest::newRow("Rombo") << 3 << QStringLiteral("Rombo") << 10
                           << Grid{{29, 28}, {27, -1}, {31, 30}, {119, 137},
                                   {34, 33}, {32, -1}, {-1, -1}, {-1, -1}};
    QTest::newRow("Trap. Isoscele")
        << 4 << QStringLiteral("Trap. Isoscele") << 12
        << Grid{{35, 36}, {37, 38}, {39, 40}, {41, 42}, {136, -1}, {116, 117}, {118, -1}, {-1, -1}};
    QTest::newRow("Trap. Rettangolo")
        << 5 << QStringLiteral("Trap. Rettangolo") << 13
        << Grid{{71, 70}, {69, 68}, {58, 59}, {60, 61}, {62, 134}, {124, 125}, {126, -1}, {-1, -1}};
    QTest::newRow("Trap. Scaleno") << 6 << QStringLiteral("Trap. Scaleno") << 14
                                   << Grid{{75, 74},  {73, 72},   {63, 65},   {64, 66},
                                           {67, 135}, {120, 121}, {122, 123}, {-1, -1}};
    QTest::newRow("Trap. Pitagora")
        << 7 << QStringLiteral("Trap. Pitagora") << 15
        << Grid{{48, 47}, {46, 45}, {44, 43}, {49, 50}, {51, 52}, {53, 54}, {55, 56}, {57, -1}};
    QTest::newRow("Tri. Isoscele") << 8 << QStringLiteral("Tri. Isoscele") << 11
                                   << Grid{{88, 89},   {90, -1}, {100, 101}, {102, -1},
                                           {127, 128}, {78, 77}, {76, -1},   {-1, -1}};
    QTest::newRow("Tri. Scaleno") << 9 << QStringLiteral("Tri. Scaleno") << 16
                                  << Grid{{91, 92},   {93, 105}, {106, 107}, {108, 133},
                                          {131, 132}, {81, 80},  {79, 84},   {83, 82}};
    QTest::newRow("Tri. Rettangolo") << 10 << QStringLiteral("Tri. Rettangolo") << 10
                                     << Grid{{94, 95},   {96, -1},  {109, 110}, {111, 112},
                                             {113, 114}, {115, -1}, {-1, -1},   {-1, -1}};
    QTest::newRow("Tri. Equilatero")
        << 11 << QStringLiteral("Tri. Equilatero") << 10
        << Grid{{97, 98}, {99, -1}, {103, 104}, {129, 130}, {87, 86}, {85, -1}, {-1, -1}, {-1, -1}};
}

void TestFormulaCatalogue::tabsMatchThePanelGrid()
{
    QFETCH(int, tab);
    QFETCH(QString, caption);
    QFETCH(int, count);
    QFETCH(Grid, grid);

    QCOMPARE(FormulaCatalogue::tabCaption(tab), caption);

    Grid fromCatalogue(8, Place(-1, -1));
    int onTab = 0;
    for (const Entry &entry : FormulaCatalogue::entries()) {
        if (entry.tab != tab)
            continue;
        ++onTab;
        Place &place = fromCatalogue[entry.row - 1];
        (entry.column == 1 ? place.first : place.second) = entry.number;
    }
    QCOMPARE(onTab, count);
    QCOMPARE(fromCatalogue, grid);
}

void TestFormulaCatalogue::captionOutsideTheStripIsEmpty()
{
    QVERIFY(FormulaCatalogue::tabCaption(-1).isEmpty());
    QVERIFY(FormulaCatalogue::tabCaption(12).isEmpty());
}

void TestFormulaCatalogue::kindColours_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QRgb>("colour");
    QTest::newRow("area") << Kind::Area << qRgb(255, 255, 192);
    QTest::newRow("perimeter") << Kind::Perimeter << qRgb(192, 255, 192);
    QTest::newRow("Pythagoras 1") << Kind::Pythagoras1 << qRgb(192, 255, 255);
    QTest::newRow("Pythagoras 2") << Kind::Pythagoras2 << qRgb(192, 192, 255);
    QTest::newRow("segments") << Kind::Segments << qRgb(0, 255, 0);
}

void TestFormulaCatalogue::kindColours()
{
    QFETCH(Kind, kind);
    QFETCH(QRgb, colour);
    QCOMPARE(FormulaCatalogue::kindColour(kind), colour);
}

void TestFormulaCatalogue::formulaStartsWithWhatItYields()
{
    for (const Entry &entry : FormulaCatalogue::entries()) {
        const QString formula = QString::fromUtf8(entry.formula);
        QVERIFY2(formula.startsWith(QString::fromUtf8(entry.yields) + QStringLiteral(" = ")),
                 entry.formula);
        QCOMPARE(formula.count(QLatin1Char('=')), 1);
    }
}

// The kinds follow from the formulas themselves: roots of sums and differences
// are the Pythagorean theorem, the perimeter "2p" appears in exactly the perimeter formulas, and
// the area "A" standing on its own in exactly the area formulas.
void TestFormulaCatalogue::kindAgreesWithTheFormula()
{
    const QString root = QString::fromUtf8("√(");
    for (const Entry &entry : FormulaCatalogue::entries()) {
        const QString formula = QString::fromUtf8(entry.formula);
        const QStringList words = terms(entry.formula);
        const bool pythagoras = entry.kind == Kind::Pythagoras1 || entry.kind == Kind::Pythagoras2;
        QVERIFY2(formula.contains(root) == pythagoras, entry.formula);
        QVERIFY2(words.contains(QStringLiteral("2p")) == (entry.kind == Kind::Perimeter),
                 entry.formula);
        QVERIFY2(words.contains(QStringLiteral("A")) == (entry.kind == Kind::Area), entry.formula);
    }
}

QTEST_GUILESS_MAIN(TestFormulaCatalogue)
#include "tst_formulacatalogue.moc"
