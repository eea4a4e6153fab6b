// The work window as a user sees it in each mode: which controls show and
// where they stand against each other, what the formula panel offers after a
// tab change, which actions reach the mode's handler, and leaving the window.
#include "accessibility.h"
#include "formulacatalogue.h"
#include "formulapanel.h"
#include "programfolder.h"
#include "readaloud.h"
#include "speaker.h"
#include "windowcontrols.h"
#include "workwindow.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
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

// The WCAG contrast ratio of the lettering inside a grabbed widget: its
// darkest pixel against its most common colour, the ground.
double inkContrast(QWidget *widget)
{
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    QColor darkest(Qt::white);
    for (int y = 4; y < image.height() - 4; ++y) {
        for (int x = 4; x < image.width() - 4; ++x) {
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
    const auto luminance = [](const QColor &c) {
        const auto channel = [](double v) {
            v /= 255.0;
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
    };
    const double ink = luminance(darkest), back = luminance(QColor(ground));
    return (std::max(ink, back) + 0.05) / (std::min(ink, back) + 0.05);
}

} // namespace

class TestWorkWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void modes_data();
    void modes();
    void controlsStandInTheirRowsAndColumns();
    void longTextScrolls();
    void formulaPanel_data();
    void formulaPanel();
    void dropOpensOneFile_data();
    void dropOpensOneFile();
    void speechNotice_data();
    void speechNotice();
    void dialogClosed_data();
    void dialogClosed();

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
    QTest::addColumn<bool>("clicca"); // Clicca.gif lies beside the program
    QTest::newRow("editor") << WorkMode::Editor << true;
    QTest::newRow("editor without Clicca.gif") << WorkMode::Editor << false;
    QTest::newRow("solving") << WorkMode::Solving << true;
}

// What each mode shows, which controls carry hints, which clicks and keys
// reach the mode's handler, and "Esci", which closes and deletes the window.
void TestWorkWindow::modes()
{
    QFETCH(WorkMode, mode);
    QFETCH(bool, clicca);
    QTemporaryDir empty;
    std::optional<ProgramFolder::Override> bare;
    if (!clicca)
        bare.emplace(empty.path());
    const bool solving = mode == WorkMode::Solving;
    auto w = open(mode);
    QCOMPARE(m_log.takeFirst(), solving ? "solver" : "editor");
    QCOMPARE(w->windowHandle()->title(), "Zenuvio");
    QCOMPARE(QDir::currentPath(), QDir(ProgramFolder::path()).canonicalPath());

    // Each control shows in both modes but those of one mode only, and the
    // announcer, which only speaks, and the reading panel, which waits for F3;
    // the eight controls of a kind go together.
    const QStringList editorOnly = {
        "txtDati",  "Option1",        "picFormRis", "Label1",         "txtRisultato",
        "cmdNuovo", "cmdApri_Editor", "cmdSalva",   "cmdEsci_Editor", "lblAvviso_Editor"};
    const QStringList solvingOnly = {"lblAvviso_Risoluzione", "lblSpiegazione",
                                     "cmdApri_Risoluzione", "cmdEsci_Risoluzione"};
    QList<QWidget *> shown;
    QStringList tips;
    for (QWidget *c : w->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        const QString kind = c->objectName().remove(QRegularExpression("_[0-7]$"));
        QVERIFY2(c->isVisible() == (kind != "hintAnnouncer" && kind != "txtLetturaFacile" &&
                                    !(solving ? editorOnly : solvingOnly).contains(kind)),
                 qPrintable(c->objectName()));
        if (c->isVisible())
            shown << c;
        if (!c->toolTip().isEmpty())
            tips << kind + ": " + c->toolTip();
    }
    // One hint for each kind of box of the editor, none while solving.
    tips.removeDuplicates();
    tips.sort();
    const QStringList editorTips = {
        "Picture1: Clicca e scegli dall'elenco la figura che vuoi inserire.",
        "picFormRis: Clicca e poi scegli, dal pannello di destra, la formula che vuoi inserire.",
        "txtDati: Clicca e digita il dato del problema.",
        "txtRisultato: Clicca e digita il risultato e l'unità di misura.",
        "txtTesto: Clicca e poi digita il testo del problema"};
    QCOMPARE(tips, solving ? QStringList() : editorTips);

    // No two controls in view cover each other (a heading may touch its box
    // by one pixel; the explanation stands inside the hint's area), and each
    // lies wholly in the window.
    for (int i = 0; i < shown.size(); ++i) {
        QVERIFY2(w->rect().contains(shown[i]->geometry()), qPrintable(shown[i]->objectName()));
        for (int j = i + 1; j < shown.size(); ++j) {
            const QRect both = shown[i]->geometry() & shown[j]->geometry();
            const bool inTheHintArea = shown[i] == controlsOf(*w).hintLabel &&
                                       shown[j] == controlsOf(*w).explanationLabel &&
                                       shown[i]->geometry().contains(shown[j]->geometry());
            QVERIFY2(both.width() <= 1 || both.height() <= 1 || inTheHintArea,
                     qPrintable(shown[i]->objectName() + " " + shown[j]->objectName()));
        }
    }

    // The editor shows "Clicca.gif" in the figure box, when there is one;
    // solving shows nothing there.
    const QImage figure =
        controlsOf(*w).figureBox->picture().toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(figure, solving || !clicca ? QImage() : m_clicca);

    // The problem text takes typing only in the editor; the formula panel
    // takes clicks only there too (solving switches it on when a formula is due).
    QTest::keyClicks(controlsOf(*w).problemText, "abc");
    QCOMPARE(controlsOf(*w).problemText->toPlainText(), solving ? "" : "abc");
    QTest::mouseClick(formulaPictureOf(*w, 1), Qt::LeftButton);
    QTest::mouseClick(controlsOf(*w).figureBox, Qt::LeftButton);
    QTest::mouseClick(controlsOf(*w).problemText->viewport(), Qt::LeftButton);
    QTest::mouseClick(solving ? controlsOf(*w).solvingOpenButton : controlsOf(*w).editorOpenButton,
                      Qt::LeftButton);
    if (!solving) {
        QTest::mouseClick(controlsOf(*w).stepFormulaBoxes[2], Qt::LeftButton);
        QTest::keyClick(controlsOf(*w).dataBoxes[4], Qt::Key_Return);
        QTest::keyClick(controlsOf(*w).resultBoxes[6], Qt::Key_Enter);
        QTest::mouseClick(controlsOf(*w).saveButton, Qt::LeftButton);
        QTest::mouseClick(controlsOf(*w).newButton, Qt::LeftButton);
    }
    QCOMPARE(m_log.join(", "), solving ? "figura, testo, apri"
                                       : "formula 1, figura, testo, apri, passaggio 2, "
                                         "invio dato 4, invio risultato 6, salva, nuovo");

    const QPointer<WorkWindow> left = w.get();
    QTest::mouseClick(solving ? controlsOf(*w).solvingExitButton : controlsOf(*w).editorExitButton,
                      Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (!left)
        (void)w.release();
    QVERIFY(!left);
}

// Each data box under the one before, in the column headed "Dati"; each step
// row, under the headings "Formule" and "Risultati", reads left to right: the
// option button, the formula box, "=", the result box.
void TestWorkWindow::controlsStandInTheirRowsAndColumns()
{
    const auto w = open(WorkMode::Editor);
    QCOMPARE(QStringList({controlsOf(*w).figureHeading->text(), controlsOf(*w).dataHeading->text(),
                          controlsOf(*w).formulasHeading->text(),
                          controlsOf(*w).resultsHeading->text()}),
             QStringList({"Figura", "Dati", "Formule", "Risultati"}));
    // "a ^ b": a above b (touching by one pixel at most); "a | b": the same
    // left edge; "a < b": a left of b and level with it.
    QStringList relations = {"txtTesto ^ Label5",       "Label5 ^ Picture1",
                             "Picture1 ^ Label3",       "Picture1 < txtDati_0",
                             "Label2 ^ txtDati_0",      "Label2 | txtDati_0",
                             "Label3 ^ picFormRis_0",   "Label3 | picFormRis_0",
                             "Label4 ^ txtRisultato_0", "Label4 | txtRisultato_0"};
    for (int k = 0; k < WorkWindow::SlotCount; ++k) {
        relations << QStringLiteral("Option1_%1 < picFormRis_%1").arg(k)
                  << QStringLiteral("picFormRis_%1 < Label1_%1").arg(k)
                  << QStringLiteral("Label1_%1 < txtRisultato_%1").arg(k);
        if (k > 0)
            relations << QStringLiteral("txtDati_%1 ^ txtDati_%2").arg(k - 1).arg(k)
                      << QStringLiteral("txtDati_0 | txtDati_%1").arg(k)
                      << QStringLiteral("picFormRis_%1 ^ picFormRis_%2").arg(k - 1).arg(k);
    }
    for (const QString &relation : relations) {
        const QStringList part = relation.split(' ');
        const QRect a = w->findChild<QWidget *>(part[0])->geometry();
        const QRect b = w->findChild<QWidget *>(part[2])->geometry();
        const bool level = a.top() <= b.bottom() && b.top() <= a.bottom();
        QVERIFY2(part[1] == "^"   ? a.bottom() <= b.top()
                 : part[1] == "|" ? a.left() == b.left()
                                  : level && a.right() <= b.left(),
                 qPrintable(relation));
    }
    // With its frame, the window fills the smallest screen the program accepts.
    QCOMPARE(w->size(), QSize(792, 573));
}

// A text longer than its box gets a scroll bar, even while solving, where the
// pupil reads it and cannot change it, and the end of it can be brought into view.
void TestWorkWindow::longTextScrolls()
{
    const auto w = open(WorkMode::Solving);
    QTextEdit *text = controlsOf(*w).problemText;
    text->setEnabled(true); // as once a problem is open
    text->setReadOnly(true);
    text->setPlainText(QString("Un rombo ha le diagonali lunghe 8 cm e 6 cm. ").repeated(20) +
                       "Calcola il perimetro.");
    QScrollBar *bar = text->verticalScrollBar();
    QTRY_VERIFY(bar->isVisible());
    bar->setValue(bar->maximum());
    QTextCursor end = text->textCursor();
    end.movePosition(QTextCursor::End);
    QVERIFY(text->viewport()->rect().contains(text->cursorRect(end).center()));
}

void TestWorkWindow::formulaPanel_data()
{
    QTest::addColumn<QList<int>>("tabs");
    QTest::newRow("the first tab at first") << QList<int>{};
    QTest::newRow("Rombo, then the last tab") << QList<int>{3, 11};
}

// After the clicks on tab captions, each formula of the current tab is what a
// click at its place reaches, inside the panel, and no other formula shows.
// Switched off, the captions and the formulas look off (their ground is no
// longer the same) but their lettering keeps a contrast of at least 4.5 : 1.
void TestWorkWindow::formulaPanel()
{
    QFETCH(QList<int>, tabs);
    const auto w = open(WorkMode::Editor);
    FormulaPanel *panel = controlsOf(*w).formulaPanel;
    const QList<TabCaption *> captions = panel->findChildren<TabCaption *>();
    for (int tab : tabs) {
        for (TabCaption *caption : captions)
            if (caption->text() == FormulaCatalogue::tabCaption(tab))
                QTest::mouseClick(caption, Qt::LeftButton);
    }
    const int current = tabs.isEmpty() ? 0 : tabs.last();
    QCOMPARE(panel->currentTab(), current);
    QList<QWidget *> shown(captions.cbegin(), captions.cend());
    for (const FormulaCatalogue::Entry &entry : FormulaCatalogue::entries()) {
        PictureBox *box = formulaPictureOf(*w, entry.number);
        QCOMPARE(box->isVisible(), entry.tab == current);
        if (entry.tab != current)
            continue;
        shown << box;
        const QRect place(box->mapTo(w.get(), QPoint(0, 0)), box->size());
        QVERIFY2(panel->geometry().contains(place), qPrintable(box->objectName()));
        QCOMPARE(w->childAt(place.center()), box);
        QCOMPARE(box->accessibleName(), QString::fromUtf8(entry.formula));
    }
    QVERIFY(shown.size() >= captions.size() + 7);

    QList<QImage> on;
    for (QWidget *widget : shown)
        on << widget->grab().toImage();
    panel->setSwitchedOn(false);
    for (int i = 0; i < shown.size(); ++i) {
        const QString name = shown[i]->objectName() + " " + shown[i]->accessibleName();
        QVERIFY2(shown[i]->grab().toImage() != on[i], qPrintable(name));
        const double ratio = inkContrast(shown[i]);
        QVERIFY2(ratio >= 4.5, qPrintable(name + ": " + QString::number(ratio)));
    }
}

// One file dragged from a file manager is opened wherever it is dropped, text
// boxes included (the name is not typed into them); anything else is left to
// the control under the pointer.
void TestWorkWindow::dropOpensOneFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QStringList>("urls");
    QTest::addColumn<bool>("taken");

    const QString file = QUrl::fromLocalFile(m_folder.filePath("Rombo.znv")).toString();
    QTest::newRow("a file on a data box") << "txtDati_0" << QStringList{file} << true;
    QTest::newRow("a file on the problem text") << "txtTesto" << QStringList{file} << true;
    QTest::newRow("two files") << "Form2" << QStringList{file, file} << false;
    QTest::newRow("a folder") << "Form2"
                              << QStringList{QUrl::fromLocalFile(m_folder.path()).toString()}
                              << false;
}

void TestWorkWindow::dropOpensOneFile()
{
    QFETCH(QString, target);
    QFETCH(QStringList, urls);
    QFETCH(bool, taken);
    const auto w = open(WorkMode::Editor);
    QWidget *on = target == "Form2"      ? w.get()
                  : target == "txtTesto" ? controlsOf(*w).problemText->viewport()
                                         : w->findChild<QWidget *>(target);
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
    QVERIFY(!taken || drop.isAccepted());
    QCOMPARE(controlsOf(*w).dataBoxes[0]->text() + controlsOf(*w).problemText->toPlainText(),
             QString());
}

void TestWorkWindow::speechNotice_data()
{
    QTest::addColumn<WorkMode>("mode");
    QTest::newRow("solving") << WorkMode::Solving;
    QTest::newRow("editor") << WorkMode::Editor;
}

// Read-aloud on, and the voice found missing: the window tells it once, in
// the explanation line while solving, with no box to take the next key; the
// pupil's choice stays on.
void TestWorkWindow::speechNotice()
{
    QFETCH(WorkMode, mode);
    RecordingSpeaker speaker;
    ReadAloud readAloud(speaker);
    readAloud.setOnForThisRun(true);
    auto window = open(mode);
    window->setReadAloud(&readAloud);
    QStringList told;
    connect(window->findChild<Announcer *>(QStringLiteral("hintAnnouncer")), &Announcer::announced,
            this, [&told](const QString &text) { told << text; });
    speaker.breakDown("Niente voce per questa volta.");
    readAloud.formulaFocused("A uguale b per h");
    readAloud.formulaFocused("A uguale l al quadrato");
    const bool solving = mode == WorkMode::Solving;
    QCOMPARE(controlsOf(*window).explanationLabel->text(),
             solving ? "Niente voce per questa volta." : "");
    QCOMPARE(controlsOf(*window).explanationLabel->isVisible(), solving);
    QCOMPARE(told, QStringList{"Niente voce per questa volta."});
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(readAloud.isOn());
}

void TestWorkWindow::dialogClosed_data()
{
    QTest::addColumn<bool>("popupOpen");
    QTest::newRow("another window active") << false;
    QTest::newRow("name completion open as the dialog closes") << true;
}

// A verdict given while a dialog covers the window is held; once the dialog
// closes the window is active again, with the keyboard in the box the
// verdict names, and the verdict is told once: when another window took the
// keyboard meanwhile, and when a popup of the dialog still held it as the
// dialog closed (the toolkit then drops the activation the window gets).
void TestWorkWindow::dialogClosed()
{
    QFETCH(bool, popupOpen);
    auto window = open(WorkMode::Solving);
    QStringList told;
    connect(window->findChild<Announcer *>(QStringLiteral("hintAnnouncer")), &Announcer::announced,
            this, [&told](const QString &text) { told << text; });
    QDialog dialog(window.get());
    dialog.setModal(true);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    controlsOf(*window).dataBoxes[0]->setVisible(true);
    controlsOf(*window).dataBoxes[0]->setFocus(Qt::OtherFocusReason);
    window->announce("Inserisci i dati");
    QCOMPARE(told, QStringList{});
    QWidget popup(&dialog, Qt::Popup);
    if (popupOpen) {
        popup.show();
        QVERIFY(QApplication::activePopupWidget());
    }
    dialog.hide();
    // The window system's answer to the window's request comes while the
    // popup is still open.
    QCoreApplication::processEvents();
    popup.hide();
    QTRY_COMPARE(told, QStringList{"Inserisci i dati"});
    QTRY_VERIFY(window->isActiveWindow());
    QCOMPARE(QApplication::focusWidget(), controlsOf(*window).dataBoxes[0]);
    QCoreApplication::processEvents();
    QCOMPARE(told, QStringList{"Inserisci i dati"});
}

QTEST_MAIN(TestWorkWindow)
#include "tst_workwindow.moc"
