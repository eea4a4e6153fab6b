// The work window's design-time layout, control by control, against the
// table it was drawn from (in twips, 15 to the pixel).
#include "formulapanel.h"
#include "workwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

class TestWorkWindowLayout : public QObject {
    Q_OBJECT

private slots:
    void geometry_data();
    void geometry();
    void captionsAndFonts_data();
    void captionsAndFonts();
    void designStateIsVisibleEnabledEmpty();
    void tabOrderFollowsDrawnIndexes();
    void formulaBoxesSitInTheirGrid();

private:
    WorkWindow form{ModeHandlers{}};
};

static QRect px(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

void TestWorkWindowLayout::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("expected");

    QTest::newRow("txtTesto") << "txtTesto" << px(300, 60, 6975, 1335);
    QTest::newRow("Label5") << "Label5" << px(1320, 1440, 1395, 255);
    QTest::newRow("Picture1") << "Picture1" << px(1320, 1680, 3615, 1575);
    QTest::newRow("Label2") << "Label2" << px(5760, 1680, 915, 195);
    QTest::newRow("Label3") << "Label3" << px(600, 3360, 1395, 255);
    QTest::newRow("Label4") << "Label4" << px(2760, 3360, 1095, 255);
    QTest::newRow("cmdNuovo") << "cmdNuovo" << px(5280, 5700, 1095, 375);
    QTest::newRow("cmdApri_Editor") << "cmdApri_Editor" << px(5280, 6240, 1095, 375);
    QTest::newRow("cmdSalva") << "cmdSalva" << px(5280, 6780, 1095, 375);
    QTest::newRow("cmdEsci_Editor") << "cmdEsci_Editor" << px(5280, 7320, 1095, 375);
    QTest::newRow("lblAvviso_Editor") << "lblAvviso_Editor" << px(4740, 4740, 2235, 555);
    QTest::newRow("lblAvviso_Risoluzione") << "lblAvviso_Risoluzione" << px(4380, 4500, 2955, 2835);
    QTest::newRow("cmdApri_Risoluzione") << "cmdApri_Risoluzione" << px(4620, 7620, 1095, 375);
    QTest::newRow("cmdEsci_Risoluzione") << "cmdEsci_Risoluzione" << px(6000, 7620, 1095, 375);
    QTest::newRow("SSTab1") << "SSTab1" << px(7380, 120, 4485, 8145);

    // Per-step rows: stepSelectors, stepFormulaBoxes, equalsSigns, txtRisultato (top, height),
    // txtDati.
    const int rows[8][6] = {
        {3780, 3600, 3780, 3720, 360, 1920}, {4380, 4200, 4440, 4320, 375, 2220},
        {4980, 4800, 4980, 4920, 375, 2520}, {5580, 5400, 5580, 5520, 375, 2820},
        {6180, 6000, 6180, 6120, 345, 3120}, {6780, 6600, 6780, 6720, 345, 3420},
        {7440, 7200, 7380, 7320, 345, 3720}, {8040, 7800, 7980, 7920, 345, 4020},
    };
    for (int k = 0; k < 8; ++k) {
        const auto *r = rows[k];
        auto row = [k](const char *name, const QRect &place) {
            QTest::addRow("%s_%d", name, k) << QStringLiteral("%1_%2").arg(name).arg(k) << place;
        };
        row("Option1", px(240, r[0], 255, 255));
        row("picFormRis", px(600, r[1], 1935, 615));
        row("Label1", px(2520, r[2], 255, 345));
        row("txtRisultato", px(2760, r[3], 1335, r[4]));
        row("txtDati", px(5760, r[5], 1455, 315));
    }
}

void TestWorkWindowLayout::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, expected);
    auto *widget = form.findChild<QWidget *>(name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(widget->parentWidget(), &form);
    QCOMPARE(widget->geometry(), expected);
}

void TestWorkWindowLayout::captionsAndFonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<QColor>("ink");

    const QColor purple(192, 0, 192), red(255, 0, 0), none;
    QTest::newRow("Label5") << "Label5"
                            << "Figura" << 9.75 << purple;
    QTest::newRow("Label4") << "Label4"
                            << "Risultati" << 9.75 << purple;
    QTest::newRow("cmdSalva") << "cmdSalva"
                              << "Salva" << 12.0 << none;
    QTest::newRow("lblAvviso_Editor") << "lblAvviso_Editor"
                                      << "Editor" << 24.0 << red;
    QTest::newRow("lblAvviso_Risoluzione") << "lblAvviso_Risoluzione"
                                           << "Ciao" << 24.0 << red;
    QTest::newRow("cmdEsci_Risoluzione") << "cmdEsci_Risoluzione"
                                         << "Esci" << 12.0 << none;
}

void TestWorkWindowLayout::captionsAndFonts()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(qreal, points);
    QFETCH(QColor, ink);
    auto *widget = form.findChild<QWidget *>(name);
    QVERIFY(widget);
    auto *label = qobject_cast<QLabel *>(widget);
    QCOMPARE(label ? label->text() : qobject_cast<QPushButton *>(widget)->text(), caption);
    QCOMPARE(widget->font().pointSizeF(), points);
    QVERIFY(widget->font().bold());
    QCOMPARE(widget->font().italic(), points > 10);
    if (ink.isValid())
        QCOMPARE(widget->palette().color(QPalette::WindowText), ink);
}

void TestWorkWindowLayout::designStateIsVisibleEnabledEmpty()
{
    QCOMPARE(form.windowTitle(), QStringLiteral("Zenuvio"));
    QCOMPARE(form.size(), QSize(792, 573));
    QCOMPARE(form.palette().color(QPalette::Window), QColor(192, 192, 192));
    for (QWidget *child : form.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        QVERIFY2(!child->isHidden(), qPrintable(child->objectName()));
        QVERIFY2(child->isEnabled(), qPrintable(child->objectName()));
    }
    QVERIFY(form.txtTesto->toPlainText().isEmpty());
    QCOMPARE(form.txtTesto->palette().color(QPalette::Text), QColor(0, 0, 192));
    for (int k = 0; k < 8; ++k) {
        QVERIFY(form.txtDati[k]->text().isEmpty());
        QVERIFY(form.txtRisultato[k]->text().isEmpty());
        QVERIFY(!form.stepSelectors[k]->isChecked());
        QVERIFY(!form.stepFormulaBoxes[k]->hasPicture());
        QVERIFY(form.stepSelectors[k]->text().isEmpty());
    }
    QVERIFY(!form.figureBox->hasPicture());
    QVERIFY(form.problemDialog.fileName().isEmpty());
    QVERIFY(form.problemDialog.filter().isEmpty());
}

void TestWorkWindowLayout::tabOrderFollowsDrawnIndexes()
{
    // The focus chain from "Nuovo" visits the controls in their drawn order.
    const QStringList expectedStart = {
        "cmdNuovo",       "cmdApri_Editor", "txtDati_0",      "txtDati_1",      "txtDati_2",
        "txtDati_3",      "txtDati_4",      "Option1_0",      "txtRisultato_0", "Option1_1",
        "txtRisultato_1", "Option1_2",      "txtRisultato_2", "Option1_3",      "txtRisultato_3",
        "Option1_4",      "txtRisultato_4", "picFormRis_4",   "picFormRis_3",   "picFormRis_2",
        "picFormRis_1",   "picFormRis_0",   "SSTab1",         "picFormula_0",   "Picture1",
        "cmdEsci_Editor", "cmdSalva",       "txtTesto",       "txtDati_5",      "picFormRis_5",
        "Option1_5",      "picFormula_1",   "picFormula_2",   "picFormula_3",   "txtRisultato_5",
        "txtDati_6",      "txtDati_7",      "picFormula_4",   "picFormula_5",   "picFormRis_6",
        "picFormRis_7",   "txtRisultato_6", "txtRisultato_7", "Option1_6",      "Option1_7",
        "picFormula_6",   "picFormula_7",
    };
    QWidget *w = form.cmdNuovo;
    QStringList seen;
    while (seen.size() < expectedStart.size()) {
        seen << w->objectName();
        // Skip what never takes the focus by Tab, and the panel's unnamed tab captions.
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus) || w->objectName().isEmpty());
    }
    QCOMPARE(seen, expectedStart);
}

void TestWorkWindowLayout::formulaBoxesSitInTheirGrid()
{
    // Box 0 is the first of the "Quadrato" tab; 138 sits at row 3, column 1 there.
    const int pageTop = form.formulaPanel->pageTop();
    const QRect zero = form.picFormula(0)->geometry().translated(0, pageTop);
    QCOMPARE(zero, px(120, 2040, 1695, 615));
    const QRect last = form.picFormula(138)->geometry().translated(0, pageTop);
    QCOMPARE(last, px(120, 2040 + 720 * 2, 1695, 615));
    QCOMPARE(form.picFormula(0)->backColor(), QColor(255, 255, 192));
    QCOMPARE(form.picFormula(138)->backColor(), QColor(0, 255, 0));
    QCOMPARE(form.picFormula(0)->accessibleName(), QStringLiteral("A = l²"));
}

QTEST_MAIN(TestWorkWindowLayout)
#include "tst_workwindowlayout.moc"
