// The work window as a user sees it in each mode: which controls show and
// where they stand against each other, what the formula panel offers after a
// tab change, which actions reach the mode's handler, and leaving the window.
#include "formulacatalogue.h"
#include "formulapanel.h"
#include "programfolder.h"
#include "workwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QWindow>
#include <QtTest>

#include <cmath>

namespace {

// Notes every action the window routes to its handler.
struct Recorder : ModeHandler {
    explicit Recorder(QStringList &log) : log(log) {}
    void textClicked() override { log << "testo"; }
    void figureClicked() override { log << "figura"; }
    void datumEntered(int i) override { log << QStringLiteral("invio dato %1").arg(i); }
    void resultEntered(int i) override { log << QStringLiteral("invio risultato %1").arg(i); }
    void stepFormulaClicked(int i) override { log << QStringLiteral("passaggio %1").arg(i); }
    void formulaClicked(int n) override { log << QStringLiteral("formula %1").arg(n); }
    void openClicked() override { log << "apri"; }
    void saveClicked() override { log << "salva"; }
    void newClicked() override { log << "nuovo"; }
    void openFile(const QString &path) override { log << "apri " + QFileInfo(path).fileName(); }
    QStringList &log;
};

QStringList names(const QList<QWidget *> &widgets)
{
    QStringList found;
    for (QWidget *w : widgets)
        found << w->objectName();
    found.sort();
    return found;
}

QStringList rows(std::initializer_list<const char *> arrays)
{
    QStringList found;
    for (const char *name : arrays)
        for (int i = 0; i < 8; ++i)
            found << QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i);
    return found;
}

QImage image(const QPixmap &pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestWorkWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void modes_data();
    void modes();
    void controlsStandInTheirRowsAndColumns();
    void formulaPanelShowsTheClickedTab_data();
    void formulaPanelShowsTheClickedTab();
    void missingCliccaLeavesAnEmptyFigureBox();
    void longTextScrolls_data();
    void longTextScrolls();
    void switchedOffPanelStaysLegible();
    void leavingDeletesTheWindow_data();
    void leavingDeletesTheWindow();
    void dropOpensOneFile_data();
    void dropOpensOneFile();

private:
    std::unique_ptr<WorkWindow> open(WorkMode mode);

    QTemporaryDir m_folder;
    std::optional<ProgramFolder::Override> m_program;
    QStringList m_log;
    QImage m_clicca;
};

void TestWorkWindow::init()
{
    m_log.clear();
    m_clicca = QImage(20, 10, QImage::Format_ARGB32);
    m_clicca.fill(Qt::magenta);
    // The reader goes by the content, so a PNG under the GIF's name will do.
    QVERIFY(m_clicca.save(m_folder.filePath("Clicca.gif"), "PNG"));
    m_program.emplace(m_folder.path());
}

std::unique_ptr<WorkWindow> TestWorkWindow::open(WorkMode mode)
{
    auto make = [this](const char *name) {
        return [this, name](WorkWindow &) {
            m_log << QLatin1String(name);
            return std::make_unique<Recorder>(m_log);
        };
    };
    auto window =
        std::unique_ptr<WorkWindow>(WorkWindow::load(mode, {make("editor"), make("solver")}));
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("the work window was not exposed");
    return window;
}

void TestWorkWindow::modes_data()
{
    QTest::addColumn<WorkMode>("mode");
    QTest::newRow("editor") << WorkMode::Editor;
    QTest::newRow("solving") << WorkMode::Solving;
}

// What each mode shows, which controls carry hints, and which clicks and keys
// reach the mode's handler.
void TestWorkWindow::modes()
{
    QFETCH(WorkMode, mode);
    const bool solving = mode == WorkMode::Solving;
    const auto w = open(mode);
    QCOMPARE(m_log.takeFirst(), solving ? "solver" : "editor");
    QCOMPARE(w->windowHandle()->title(), "Zenuvio");
    QCOMPARE(QDir::currentPath(), QDir(m_folder.path()).canonicalPath());

    QList<QWidget *> shown, hidden, tipped;
    for (QWidget *c : w->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        (c->isVisible() ? shown : hidden) << c;
        if (!c->toolTip().isEmpty())
            tipped << c;
    }
    QStringList expectHidden =
        solving ? rows({"txtDati", "Option1", "picFormRis", "Label1", "txtRisultato"})
                      << "cmdNuovo"
                      << "cmdApri_Editor"
                      << "cmdSalva"
                      << "cmdEsci_Editor"
                      << "lblAvviso_Editor"
                : QStringList{"lblAvviso_Risoluzione", "lblSpiegazione", "cmdApri_Risoluzione",
                              "cmdEsci_Risoluzione"};
    expectHidden << "hintAnnouncer"; // only speaks, never seen
    expectHidden.sort();
    QCOMPARE(names(hidden), expectHidden);
    QStringList expectTipped = solving ? QStringList()
                                       : rows({"txtDati", "picFormRis", "txtRisultato"})
                                             << "txtTesto"
                                             << "Picture1";
    expectTipped.sort();
    QCOMPARE(names(tipped), expectTipped);
    if (!solving) {
        QCOMPARE(w->txtTesto->toolTip(), "Clicca e poi digita il testo del problema");
        QCOMPARE(w->figureBox->toolTip(),
                 "Clicca e scegli dall'elenco la figura che vuoi inserire.");
        QCOMPARE(w->txtDati[3]->toolTip(), "Clicca e digita il dato del problema.");
        QCOMPARE(w->stepFormulaBoxes[7]->toolTip(),
                 "Clicca e poi scegli, dal pannello di destra, la formula che vuoi inserire.");
        QCOMPARE(w->txtRisultato[0]->toolTip(),
                 "Clicca e digita il risultato e l'unità di misura.");
    }

    // No two controls in view cover each other (a heading may touch its box
    // by one pixel; the explanation stands inside the hint's area), and each
    // lies wholly in the window.
    for (int i = 0; i < shown.size(); ++i) {
        QVERIFY2(w->rect().contains(shown[i]->geometry()), qPrintable(shown[i]->objectName()));
        for (int j = i + 1; j < shown.size(); ++j) {
            const QRect both = shown[i]->geometry() & shown[j]->geometry();
            const bool inTheHintArea = shown[i] == w->lblAvviso_Risoluzione &&
                                       shown[j] == w->lblSpiegazione &&
                                       shown[i]->geometry().contains(shown[j]->geometry());
            QVERIFY2(both.width() <= 1 || both.height() <= 1 || inTheHintArea,
                     qPrintable(shown[i]->objectName() + " " + shown[j]->objectName()));
        }
    }

    // The editor shows "Clicca.gif" in the figure box; solving shows nothing there.
    QCOMPARE(image(w->figureBox->picture()), solving ? QImage() : m_clicca);

    // The problem text takes typing only in the editor; the formula panel
    // takes clicks only there too (solving switches it on when a formula is due).
    QTest::keyClicks(w->txtTesto, "abc");
    QCOMPARE(w->txtTesto->toPlainText(), solving ? "" : "abc");
    QTest::mouseClick(w->picFormula(1), Qt::LeftButton);
    QTest::mouseClick(w->figureBox, Qt::LeftButton);
    QTest::mouseClick(w->txtTesto->viewport(), Qt::LeftButton);
    QTest::mouseClick(solving ? w->cmdApri_Risoluzione : w->cmdApri_Editor, Qt::LeftButton);
    QStringList expected = {"figura", "testo", "apri"};
    if (!solving) {
        expected.prepend("formula 1");
        QTest::mouseClick(w->stepFormulaBoxes[2], Qt::LeftButton);
        QTest::keyClick(w->txtDati[4], Qt::Key_Return);
        QTest::keyClick(w->txtRisultato[6], Qt::Key_Enter);
        QTest::mouseClick(w->cmdSalva, Qt::LeftButton);
        QTest::mouseClick(w->cmdNuovo, Qt::LeftButton);
        expected << "passaggio 2"
                 << "invio dato 4"
                 << "invio risultato 6"
                 << "salva"
                 << "nuovo";
    }
    QCOMPARE(m_log, expected);
}

// Each data box under the one before, in the column headed "Dati"; each step
// row, under the headings "Formule" and "Risultati", reads left to right: the
// option button, the formula box, "=", the result box.
void TestWorkWindow::controlsStandInTheirRowsAndColumns()
{
    const auto w = open(WorkMode::Editor);
    const auto level = [](QWidget *a, QWidget *b) {
        return a->geometry().top() <= b->geometry().bottom() &&
               b->geometry().top() <= a->geometry().bottom();
    };
    // Below, or touching by one pixel at most.
    const auto under = [](QWidget *above, QWidget *below) {
        return above->geometry().bottom() <= below->geometry().top();
    };
    QCOMPARE(w->figureHeading->text(), "Figura");
    QCOMPARE(w->dataHeading->text(), "Dati");
    QCOMPARE(w->formulasHeading->text(), "Formule");
    QCOMPARE(w->resultsHeading->text(), "Risultati");
    QVERIFY(under(w->txtTesto, w->figureHeading) && under(w->figureHeading, w->figureBox));
    QVERIFY(under(w->dataHeading, w->txtDati[0]));
    QVERIFY(under(w->figureBox, w->formulasHeading));
    QVERIFY(under(w->formulasHeading, w->stepFormulaBoxes[0]));
    QVERIFY(under(w->resultsHeading, w->txtRisultato[0]));
    QCOMPARE(w->dataHeading->geometry().left(), w->txtDati[0]->geometry().left());
    QCOMPARE(w->formulasHeading->geometry().left(), w->stepFormulaBoxes[0]->geometry().left());
    QCOMPARE(w->resultsHeading->geometry().left(), w->txtRisultato[0]->geometry().left());
    QVERIFY(w->figureBox->geometry().right() < w->txtDati[0]->geometry().left());
    for (int k = 0; k < WorkWindow::SlotCount; ++k) {
        const QString row = QString::number(k);
        QWidget *const inRow[] = {w->stepSelectors[k], w->stepFormulaBoxes[k], w->equalsSigns[k],
                                  w->txtRisultato[k]};
        for (int i = 1; i < 4; ++i) {
            QVERIFY2(level(inRow[i - 1], inRow[i]), qPrintable(row));
            QVERIFY2(inRow[i - 1]->geometry().right() <= inRow[i]->geometry().left(),
                     qPrintable(row));
        }
        if (k > 0) {
            QVERIFY2(under(w->txtDati[k - 1], w->txtDati[k]), qPrintable(row));
            QVERIFY2(under(w->stepFormulaBoxes[k - 1], w->stepFormulaBoxes[k]), qPrintable(row));
            QCOMPARE(w->txtDati[k]->geometry().left(), w->txtDati[0]->geometry().left());
            QCOMPARE(w->stepFormulaBoxes[k]->geometry().size(),
                     w->stepFormulaBoxes[0]->geometry().size());
        }
    }
    // With its frame, the window fills the smallest screen the program accepts.
    QCOMPARE(w->size(), QSize(792, 573));
}

void TestWorkWindow::formulaPanelShowsTheClickedTab_data()
{
    QTest::addColumn<QList<int>>("tabs");
    QTest::newRow("the first tab at first") << QList<int>{};
    QTest::newRow("Rombo") << QList<int>{3};
    QTest::newRow("Tri. Scaleno, then Quadrato") << QList<int>{9, 0};
    QTest::newRow("the last tab") << QList<int>{11};
}

// After the clicks on tab captions, each formula of the current tab is what a
// click at its place reaches, inside the panel, and no other formula shows.
void TestWorkWindow::formulaPanelShowsTheClickedTab()
{
    QFETCH(QList<int>, tabs);
    const auto w = open(WorkMode::Editor);
    FormulaPanel *panel = w->formulaPanel;
    for (int tab : tabs) {
        for (TabCaption *caption : panel->findChildren<TabCaption *>())
            if (caption->text() == FormulaCatalogue::tabCaption(tab))
                QTest::mouseClick(caption, Qt::LeftButton);
    }
    const int current = tabs.isEmpty() ? 0 : tabs.last();
    QCOMPARE(panel->currentTab(), current);
    int onTab = 0;
    for (const FormulaCatalogue::Entry &entry : FormulaCatalogue::entries()) {
        PictureBox *box = w->picFormula(entry.number);
        const QString name = box->objectName();
        QCOMPARE(box->isVisible(), entry.tab == current);
        if (entry.tab != current)
            continue;
        ++onTab;
        const QRect place(box->mapTo(w.get(), QPoint(0, 0)), box->size());
        QVERIFY2(panel->geometry().contains(place), qPrintable(name));
        QCOMPARE(w->childAt(place.center()), box);
        QCOMPARE(box->accessibleName(), QString::fromUtf8(entry.formula));
        QVERIFY2(!box->picture().isNull(), qPrintable(name));
    }
    QVERIFY(onTab >= 7);
}

void TestWorkWindow::missingCliccaLeavesAnEmptyFigureBox()
{
    QTemporaryDir empty;
    ProgramFolder::Override folder(empty.path());
    const auto w = open(WorkMode::Editor);
    QVERIFY(w->figureBox->picture().isNull());
}

void TestWorkWindow::longTextScrolls_data()
{
    modes_data();
}

// A text longer than its box gets a scroll bar, in both modes, and the end of
// it can be brought into view.
void TestWorkWindow::longTextScrolls()
{
    QFETCH(WorkMode, mode);
    const auto w = open(mode);
    QTextEdit *text = w->txtTesto;
    text->setEnabled(true);
    text->setPlainText("Un rombo.");
    QVERIFY(!text->verticalScrollBar()->isVisible());
    text->setPlainText(QString("Un rombo ha le diagonali lunghe 8 cm e 6 cm. ").repeated(20) +
                       "Calcola il perimetro.");
    QTRY_VERIFY(text->verticalScrollBar()->isVisible());
    // Scrolled to the bottom, the end of the text is in view.
    text->verticalScrollBar()->setValue(text->verticalScrollBar()->maximum());
    QTextCursor end = text->textCursor();
    end.movePosition(QTextCursor::End);
    QVERIFY(text->viewport()->rect().contains(text->cursorRect(end).center()));
}

namespace {

// WCAG contrast ratio between two colours.
double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto channel = [](double v) {
            v /= 255.0;
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of the lettering inside a grabbed widget: its darkest pixel
// against its most common colour, the ground.
double inkContrast(QWidget *widget, int inset)
{
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    QColor darkest(Qt::white);
    for (int y = inset; y < image.height() - inset; ++y) {
        for (int x = inset; x < image.width() - inset; ++x) {
            const QColor c = image.pixelColor(x, y);
            ++counts[c.rgb()];
            if (c.lightness() < darkest.lightness())
                darkest = c;
        }
    }
    QRgb ground = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(ground))
            ground = it.key();
    return contrast(darkest, QColor(ground));
}

} // namespace

// While the formula panel is off, its captions and pictures look off (their
// ground is no longer the same) but their lettering keeps a contrast of at
// least 4.5 : 1 against its ground.
void TestWorkWindow::switchedOffPanelStaysLegible()
{
    const auto w = open(WorkMode::Editor);
    FormulaPanel *panel = w->formulaPanel;
    QList<QWidget *> shown;
    for (TabCaption *caption : panel->findChildren<TabCaption *>())
        shown << caption;
    for (const FormulaCatalogue::Entry &entry : FormulaCatalogue::entries())
        if (entry.tab == panel->currentTab())
            shown << w->picFormula(entry.number);
    QList<QImage> on;
    for (QWidget *widget : shown)
        on << widget->grab().toImage();
    panel->setSwitchedOn(false);
    for (int i = 0; i < shown.size(); ++i) {
        const QString name = shown[i]->objectName() + " " + shown[i]->accessibleName();
        QVERIFY2(shown[i]->grab().toImage() != on[i], qPrintable(name));
        const double ratio = inkContrast(shown[i], 4);
        QVERIFY2(ratio >= 4.5, qPrintable(name + ": " + QString::number(ratio)));
    }
}

void TestWorkWindow::leavingDeletesTheWindow_data()
{
    QTest::addColumn<WorkMode>("mode");
    QTest::addColumn<bool>("byFrame");
    QTest::newRow("editor Esci") << WorkMode::Editor << false;
    QTest::newRow("editor frame") << WorkMode::Editor << true;
    QTest::newRow("solving Esci") << WorkMode::Solving << false;
    QTest::newRow("solving frame") << WorkMode::Solving << true;
}

void TestWorkWindow::leavingDeletesTheWindow()
{
    QFETCH(WorkMode, mode);
    QFETCH(bool, byFrame);
    QPointer<WorkWindow> w = open(mode).release();
    if (byFrame)
        w->close();
    else
        QTest::mouseClick(mode == WorkMode::Solving ? w->cmdEsci_Risoluzione : w->cmdEsci_Editor,
                          Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(w.isNull());
}

// One file dragged from a file manager is opened wherever it is dropped, text
// boxes included; anything else is left to the control under the pointer.
void TestWorkWindow::dropOpensOneFile_data()
{
    QTest::addColumn<QString>("target"); // a control's name, or none for the window
    QTest::addColumn<QStringList>("urls");
    QTest::addColumn<bool>("taken");

    const QString file = QUrl::fromLocalFile(m_folder.filePath("Rombo.znv")).toString();
    QTest::newRow("a file on the window") << "" << QStringList{file} << true;
    QTest::newRow("a file on a data box") << "txtDati_0" << QStringList{file} << true;
    QTest::newRow("a file on the problem text") << "txtTesto" << QStringList{file} << true;
    QTest::newRow("two files") << "" << QStringList{file, file} << false;
    QTest::newRow("a folder") << "" << QStringList{QUrl::fromLocalFile(m_folder.path()).toString()}
                              << false;
}

void TestWorkWindow::dropOpensOneFile()
{
    QFETCH(QString, target);
    QFETCH(QStringList, urls);
    QFETCH(bool, taken);
    const auto w = open(WorkMode::Editor);
    QWidget *on = w.get();
    if (target == "txtTesto")
        on = w->txtTesto->viewport();
    else if (!target.isEmpty())
        on = w->findChild<QWidget *>(target);
    QMimeData data;
    data.setUrls(QUrl::fromStringList(urls));
    data.setText(urls.join('\n'));
    m_log.clear();

    const QPoint at = on->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(on, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    if (enter.isAccepted())
        QCoreApplication::sendEvent(on, &drop);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(m_log, taken ? QStringList{"apri Rombo.znv"} : QStringList{});
    if (taken) {
        QVERIFY(drop.isAccepted());
        QCOMPARE(w->txtDati[0]->text(), QString()); // the name is not typed into the box
        QCOMPARE(w->txtTesto->toPlainText(), QString());
    }
}

QTEST_MAIN(TestWorkWindow)
#include "tst_workwindow.moc"
