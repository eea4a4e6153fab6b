// Setting the work window up for each mode, routing the user's actions to the
// mode's handler, and leaving the window.
#include "form2.h"
#include "formulapanel.h"
#include "module1.h"
#include "programfolder.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Notes every event the window routes to it.
class RecordingHandler : public ModeHandler {
public:
    explicit RecordingHandler(QStringList *log) : m_log(log) {}
    void txtTesto_Click() override { *m_log << "txtTesto_Click"; }
    void Picture1_Click() override { *m_log << "Picture1_Click"; }
    void txtDati_Click(int i) override { *m_log << QStringLiteral("txtDati_Click %1").arg(i); }
    void txtDati_KeyPress(int i, int key) override
    {
        *m_log << QStringLiteral("txtDati_KeyPress %1 %2").arg(i).arg(key);
    }
    void picFormRis_Click(int i) override
    {
        *m_log << QStringLiteral("picFormRis_Click %1").arg(i);
    }
    void txtRisultato_KeyPress(int i, int key) override
    {
        *m_log << QStringLiteral("txtRisultato_KeyPress %1 %2").arg(i).arg(key);
    }
    void picFormula_Click(int n) override
    {
        *m_log << QStringLiteral("picFormula_Click %1").arg(n);
    }
    void cmdSalva_Click() override { *m_log << "cmdSalva_Click"; }
    void cmdApri_Risoluzione_Click() override { *m_log << "cmdApri_Risoluzione_Click"; }

private:
    QStringList *m_log;
};

void enterMode(bool solving)
{
    Module1::ModoEditor = solving ? 0 : 1;
    Module1::ModoRisoluzione = solving ? 1 : 0;
}

void deleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList tooltipped(const Form2 &form)
{
    QStringList names;
    for (QWidget *w : form.findChildren<QWidget *>())
        if (!w->toolTip().isEmpty())
            names << w->objectName();
    names.sort();
    return names;
}

} // namespace

class TestModeSetup : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void editorSetUp();
    void solvingSetUp();
    void flagsNeverSetChooseTheEditor();
    void eachLoadStartsFromTheDesignState_data();
    void eachLoadStartsFromTheDesignState();
    void missingCliccaLeavesAnEmptyFigureBox();
    void eventsReachTheModeHandler();
    void leavingDeletesTheWindow_data();
    void leavingDeletesTheWindow();

private:
    QTemporaryDir m_folder;
    QStringList m_log;
    ModeHandlers recordingHandlers();
};

void TestModeSetup::init()
{
    Module1::resetAll();
    m_log.clear();
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::white);
    // The reader goes by the content, so a PNG under the GIF's name will do here.
    QVERIFY(picture.save(m_folder.filePath("Clicca.gif"), "PNG"));
    ProgramFolder::setOverride(m_folder.path());
}

void TestModeSetup::cleanup()
{
    ProgramFolder::setOverride(QString());
    deleteClosedWindows();
}

ModeHandlers TestModeSetup::recordingHandlers()
{
    auto make = [this](const char *mode) {
        return [this, mode](Form2 &) {
            m_log << QStringLiteral("handler %1").arg(mode);
            return std::make_unique<RecordingHandler>(&m_log);
        };
    };
    return {make("editor"), make("solver")};
}

void TestModeSetup::editorSetUp()
{
    enterMode(false);
    Module1::NomeFigura = "vecchia.gif";
    Module1::FormuleEditor.fill(12);
    std::unique_ptr<Form2> form(Form2::load(recordingHandlers()));

    QCOMPARE(Module1::Contatore, 8);
    QCOMPARE(Module1::SuggerimentiAttivi, 1);
    QVERIFY(Module1::NomeFigura.isEmpty());
    for (const auto &formula : Module1::FormuleEditor)
        QVERIFY(!formula.has_value());
    QCOMPARE(m_log, QStringList{"handler editor"});

    QStringList expected = {"txtTesto", "Picture1"};
    for (int i = 0; i < 8; ++i)
        expected << QStringLiteral("txtDati_%1").arg(i) << QStringLiteral("picFormRis_%1").arg(i)
                 << QStringLiteral("txtRisultato_%1").arg(i);
    expected.sort();
    QCOMPARE(tooltipped(*form), expected);
    QCOMPARE(form->txtTesto->toolTip(), "Clicca e poi digita il testo del problema");
    QCOMPARE(form->txtRisultato[7]->toolTip(), "Clicca e digita il risultato e l'unità di misura.");

    QVERIFY(form->SSTab1->isSwitchedOn());
    QVERIFY(form->Picture1->hasPicture());
    QCOMPARE(form->Picture1->borderStyle(), PictureBox::BorderStyle::FixedSingle);
    QVERIFY(form->txtTesto->isEnabled());
    for (QPushButton *w :
         {form->cmdNuovo, form->cmdApri_Editor, form->cmdSalva, form->cmdEsci_Editor})
        QVERIFY(!w->isHidden());
    QVERIFY(!form->lblAvviso_Editor->isHidden());
    QVERIFY(form->lblAvviso_Risoluzione->isHidden());
    QVERIFY(form->cmdApri_Risoluzione->isHidden());
    QVERIFY(form->cmdEsci_Risoluzione->isHidden());
    for (int k = 0; k < 8; ++k)
        QVERIFY(!form->txtDati[k]->isHidden() && !form->Option1[k]->isHidden() &&
                !form->Label1[k]->isHidden() && !form->txtRisultato[k]->isHidden());
    QCOMPARE(QDir::currentPath(), QDir(m_folder.path()).canonicalPath());
}

void TestModeSetup::solvingSetUp()
{
    enterMode(true);
    Module1::NomeFigura = "rimane.gif";
    Module1::Dati[0] = "12 cm";
    std::unique_ptr<Form2> form(Form2::load(recordingHandlers()));

    QCOMPARE(Module1::Contatore, 8);
    QCOMPARE(Module1::SuggerimentiAttivi, 0);
    QCOMPARE(Module1::NomeFigura, QStringLiteral("rimane.gif"));
    QCOMPARE(Module1::Dati[0], QStringLiteral("12 cm"));
    QCOMPARE(m_log, QStringList{"handler solver"});
    QVERIFY(tooltipped(*form).isEmpty());

    QVERIFY(!form->SSTab1->isSwitchedOn());
    QVERIFY(!form->txtTesto->isEnabled());
    QVERIFY(!form->Picture1->hasPicture());
    QCOMPARE(form->Picture1->borderStyle(), PictureBox::BorderStyle::None);
    QCOMPARE(form->lblAvviso_Risoluzione->text(), QStringLiteral("Ciao"));
    QVERIFY(!form->lblAvviso_Risoluzione->isHidden());
    QVERIFY(!form->cmdApri_Risoluzione->isHidden());
    QVERIFY(!form->cmdEsci_Risoluzione->isHidden());
    const QList<QWidget *> editorOnly = {form->cmdNuovo, form->cmdApri_Editor, form->cmdSalva,
                                         form->cmdEsci_Editor, form->lblAvviso_Editor};
    for (QWidget *w : editorOnly)
        QVERIFY(w->isHidden());
    for (int k = 0; k < 8; ++k)
        QVERIFY(form->txtDati[k]->isHidden() && form->Option1[k]->isHidden() &&
                form->picFormRis[k]->isHidden() && form->Label1[k]->isHidden() &&
                form->txtRisultato[k]->isHidden());
}

void TestModeSetup::flagsNeverSetChooseTheEditor()
{
    std::unique_ptr<Form2> form(Form2::load(recordingHandlers()));
    QCOMPARE(m_log, QStringList{"handler editor"});
    QVERIFY(!form->cmdSalva->isHidden());
}

void TestModeSetup::eachLoadStartsFromTheDesignState_data()
{
    QTest::addColumn<bool>("firstSolving");
    QTest::addColumn<bool>("thenSolving");
    QTest::newRow("editor then solving") << false << true;
    QTest::newRow("solving then editor") << true << false;
    QTest::newRow("editor twice") << false << false;
}

void TestModeSetup::eachLoadStartsFromTheDesignState()
{
    QFETCH(bool, firstSolving);
    QFETCH(bool, thenSolving);

    enterMode(firstSolving);
    QPointer<Form2> first = Form2::load(recordingHandlers());
    first->show();
    first->txtTesto->setEnabled(true);
    first->txtTesto->setPlainText("Un rettangolo...");
    first->txtDati[3]->setText("5 cm");
    first->txtDati[3]->show();
    first->Option1[2]->setChecked(true);
    first->picFormRis[1]->copyPictureFrom(*first->picFormula(6));
    first->CommonDialog1.setFileName("/tmp/vecchio.znv");
    first->close();
    deleteClosedWindows();
    QVERIFY(first.isNull());

    enterMode(thenSolving);
    std::unique_ptr<Form2> second(Form2::load(recordingHandlers()));
    QVERIFY(second->txtTesto->toPlainText().isEmpty());
    QVERIFY(second->txtDati[3]->text().isEmpty());
    QVERIFY(!second->Option1[2]->isChecked());
    QVERIFY(!second->picFormRis[1]->hasPicture());
    QVERIFY(second->CommonDialog1.fileName().isEmpty());
    QCOMPARE(second->txtDati[3]->isHidden(), thenSolving);
    QCOMPARE(second->cmdSalva->isHidden(), thenSolving);
    QCOMPARE(second->txtTesto->isEnabled(), !thenSolving);
    QCOMPARE(tooltipped(*second).isEmpty(), thenSolving);
}

void TestModeSetup::missingCliccaLeavesAnEmptyFigureBox()
{
    QTemporaryDir empty;
    ProgramFolder::setOverride(empty.path());
    enterMode(false);
    std::unique_ptr<Form2> form(Form2::load(recordingHandlers()));
    QVERIFY(!form->Picture1->hasPicture());
    QVERIFY(!form->cmdSalva->isHidden());
}

void TestModeSetup::eventsReachTheModeHandler()
{
    enterMode(true);
    std::unique_ptr<Form2> form(Form2::load(recordingHandlers()));
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    m_log.clear();

    // While the panel is off no formula click gets through.
    QTest::mouseClick(form->picFormula(0), Qt::LeftButton);
    QVERIFY(m_log.isEmpty());

    form->SSTab1->setSwitchedOn(true);
    for (int k : {2, 5}) {
        form->txtDati[k]->show();
        form->txtRisultato[k]->show();
        form->picFormRis[k]->show();
    }
    form->txtTesto->setEnabled(true);
    QTest::mouseClick(form->picFormula(0), Qt::LeftButton);
    QTest::mouseClick(form->txtDati[2], Qt::LeftButton);
    QTest::keyClick(form->txtDati[2], Qt::Key_Return);
    QTest::keyClick(form->txtDati[2], Qt::Key_A);
    QTest::keyClick(form->txtRisultato[5], Qt::Key_Enter);
    QTest::mouseClick(form->picFormRis[5], Qt::LeftButton);
    QTest::mouseClick(form->txtTesto->viewport(), Qt::LeftButton);
    QTest::mouseClick(form->Picture1, Qt::LeftButton);
    QTest::mouseClick(form->cmdApri_Risoluzione, Qt::LeftButton);

    const QStringList expected = {"picFormula_Click 0",    "txtDati_Click 2",
                                  "txtDati_KeyPress 2 13", "txtRisultato_KeyPress 5 13",
                                  "picFormRis_Click 5",    "txtTesto_Click",
                                  "Picture1_Click",        "cmdApri_Risoluzione_Click"};
    QCOMPARE(m_log, expected);
}

void TestModeSetup::leavingDeletesTheWindow_data()
{
    QTest::addColumn<bool>("solving");
    QTest::addColumn<int>("how"); // 0 the mode's "Esci", 1 the frame's close box
    QTest::newRow("editor Esci") << false << 0;
    QTest::newRow("editor frame") << false << 1;
    QTest::newRow("solving Esci") << true << 0;
    QTest::newRow("solving frame") << true << 1;
}

void TestModeSetup::leavingDeletesTheWindow()
{
    QFETCH(bool, solving);
    QFETCH(int, how);
    enterMode(solving);
    QPointer<Form2> form = Form2::load(recordingHandlers());
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.data()));
    if (how == 0)
        QTest::mouseClick(solving ? form->cmdEsci_Risoluzione : form->cmdEsci_Editor,
                          Qt::LeftButton);
    else
        form->close();
    deleteClosedWindows();
    QVERIFY(form.isNull());
    // Leaving resets no flag.
    QCOMPARE(Module1::ModoRisoluzione, std::optional<int>(solving ? 1 : 0));
}

QTEST_MAIN(TestModeSetup)
#include "tst_modesetup.moc"
