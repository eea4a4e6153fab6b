// Setting the work window up for each mode, routing the user's actions to the
// mode's handler, and leaving the window.
#include "formulapanel.h"
#include "programfolder.h"
#include "workwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList names(const WorkWindow &form, const std::function<bool(QWidget *)> &test)
{
    QStringList found;
    for (QWidget *w : form.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (test(w))
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

} // namespace

class TestModeSetup : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { ProgramFolder::setOverride(QString()); }
    void setUp_data();
    void setUp();
    void eachLoadStartsFromTheDesignState();
    void missingCliccaLeavesAnEmptyFigureBox();
    void leavingDeletesTheWindow_data();
    void leavingDeletesTheWindow();

private:
    std::unique_ptr<WorkWindow> load(bool solving);
    QTemporaryDir m_folder;
    QStringList m_log;
};

void TestModeSetup::init()
{
    m_log.clear();
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::white);
    // The reader goes by the content, so a PNG under the GIF's name will do.
    QVERIFY(picture.save(m_folder.filePath("Clicca.gif"), "PNG"));
    ProgramFolder::setOverride(m_folder.path());
}

std::unique_ptr<WorkWindow> TestModeSetup::load(bool solving)
{
    auto make = [this](const char *mode) {
        return [this, mode](WorkWindow &) {
            m_log << QStringLiteral("handler %1").arg(QLatin1String(mode));
            return std::make_unique<ModeHandler>();
        };
    };
    return std::unique_ptr<WorkWindow>(WorkWindow::load(
        solving ? WorkMode::Solving : WorkMode::Editor, {make("editor"), make("solver")}));
}

void TestModeSetup::setUp_data()
{
    QTest::addColumn<bool>("solving");
    QTest::newRow("editor") << false;
    QTest::newRow("solving") << true;
}

void TestModeSetup::setUp()
{
    QFETCH(bool, solving);
    const auto form = load(solving);

    QCOMPARE(m_log, QStringList{solving ? "handler solver" : "handler editor"});
    QCOMPARE(QDir::currentPath(), QDir(m_folder.path()).canonicalPath());

    QStringList tipped = rows({"txtDati", "picFormRis", "txtRisultato"}) << "txtTesto"
                                                                         << "Picture1";
    tipped.sort();
    QCOMPARE(names(*form, [](QWidget *w) { return !w->toolTip().isEmpty(); }),
             solving ? QStringList() : tipped);
    QCOMPARE(form->txtTesto->toolTip(), solving ? "" : "Clicca e poi digita il testo del problema");
    QCOMPARE(form->txtRisultato[7]->toolTip(),
             solving ? "" : "Clicca e digita il risultato e l'unità di misura.");

    QStringList hidden =
        solving
            ? rows({"txtDati", "Option1", "picFormRis", "Label1", "txtRisultato"})
                  << "cmdNuovo"
                  << "cmdApri_Editor"
                  << "cmdSalva"
                  << "cmdEsci_Editor"
                  << "lblAvviso_Editor"
            : QStringList{"lblAvviso_Risoluzione", "cmdApri_Risoluzione", "cmdEsci_Risoluzione"};
    hidden.sort();
    QCOMPARE(names(*form, [](QWidget *w) { return w->isHidden(); }), hidden);
    QCOMPARE(form->formulaPanel->isSwitchedOn(), !solving);
    QCOMPARE(form->txtTesto->isEnabled(), !solving);
    QCOMPARE(form->figureBox->hasPicture(), !solving);
    QCOMPARE(form->figureBox->borderStyle(),
             solving ? PictureBox::BorderStyle::None : PictureBox::BorderStyle::FixedSingle);
}

void TestModeSetup::eachLoadStartsFromTheDesignState()
{
    // Whatever the last window showed, the next one starts afresh.
    for (bool first : {false, true}) {
        auto form = load(first);
        form->txtTesto->setPlainText("Un rettangolo...");
        form->txtDati[3]->setText("5 cm");
        form->stepSelectors[2]->setChecked(true);
        form->stepFormulaBoxes[1]->copyPictureFrom(*form->picFormula(6));
        form->problemDialog.setFileName("/tmp/vecchio.znv");
        form.reset();

        const auto second = load(!first);
        QVERIFY(second->txtTesto->toPlainText().isEmpty());
        QVERIFY(second->txtDati[3]->text().isEmpty());
        QVERIFY(!second->stepSelectors[2]->isChecked());
        QVERIFY(!second->stepFormulaBoxes[1]->hasPicture());
        QVERIFY(second->problemDialog.fileName().isEmpty());
        QCOMPARE(second->cmdSalva->isHidden(), first == false);
    }
}

void TestModeSetup::missingCliccaLeavesAnEmptyFigureBox()
{
    QTemporaryDir empty;
    ProgramFolder::setOverride(empty.path());
    const auto form = load(false);
    QVERIFY(!form->figureBox->hasPicture());
}

void TestModeSetup::leavingDeletesTheWindow_data()
{
    QTest::addColumn<bool>("solving");
    QTest::addColumn<bool>("byFrame");
    QTest::newRow("editor Esci") << false << false;
    QTest::newRow("editor frame") << false << true;
    QTest::newRow("solving Esci") << true << false;
    QTest::newRow("solving frame") << true << true;
}

void TestModeSetup::leavingDeletesTheWindow()
{
    QFETCH(bool, solving);
    QFETCH(bool, byFrame);
    QPointer<WorkWindow> form = load(solving).release();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.data()));
    if (byFrame)
        form->close();
    else
        QTest::mouseClick(solving ? form->cmdEsci_Risoluzione : form->cmdEsci_Editor,
                          Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(form.isNull());
}

QTEST_MAIN(TestModeSetup)
#include "tst_modesetup.moc"
