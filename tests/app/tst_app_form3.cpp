#include "fakescreen.h"
#include "fontsubstitutions.h"
#include "form3.h"
#include "helpfile.h"
#include "helpviewer.h"
#include "messagebox.h"
#include "module1.h"
#include "programfolder.h"
#include "versiontext.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <optional>

namespace {
// A screen the program accepts.
const FakeScreen Screen1024x768(15360.0f, 11520.0f);

// Stands in for the work window: notes the mode flags and the mouse pointer
// it was built under and, like the real one, puts the pointer back.
struct FakeWorkWindows {
    int built = 0;
    std::optional<int> modoEditor;
    std::optional<int> modoRisoluzione;
    bool busyPointer = false;
    QPointer<QWidget> last;

    Form3::WorkWindowFactory factory()
    {
        return [this]() -> QWidget * {
            ++built;
            modoEditor = Module1::ModoEditor;
            modoRisoluzione = Module1::ModoRisoluzione;
            busyPointer = QApplication::overrideCursor() &&
                          QApplication::overrideCursor()->shape() == Qt::WaitCursor;
            QApplication::restoreOverrideCursor();
            auto *window = new QWidget;
            window->setWindowTitle(QStringLiteral("Zenuvio"));
            window->setAttribute(Qt::WA_DeleteOnClose);
            last = window;
            return window;
        };
    }
};

QPushButton *button(Form3 &form, const char *name)
{
    auto *found = form.findChild<QPushButton *>(QLatin1String(name));
    Q_ASSERT(found);
    return found;
}
} // namespace

class TestForm3 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controls_data();
    void controls();
    void centredWhenFirstShown();
    void formLoad_data();
    void formLoad();
    void modeButtons_data();
    void modeButtons();
    void noWorkWindowLeavesStartWindow();
    void esciClosesEveryWindow();
};

void TestForm3::initTestCase()
{
    installFontSubstitutions();
    MessageBox::setRecording(true);
}

void TestForm3::init()
{
    Module1::resetAll();
    MessageBox::clearRecorded();
    ScreenMetrics::setOverride(&Screen1024x768);
}

void TestForm3::cleanup()
{
    ScreenMetrics::setOverride(nullptr);
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
    QTRY_VERIFY(!HelpFile::viewer());
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

void TestForm3::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("isButton");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<bool>("boldItalic");
    QTest::addColumn<bool>("centred");

    // Twips divided by 15.
    QTest::newRow("cmdRisoluzione")
        << "cmdRisoluzione" << true << "Risoluzione" << QRect(156, 116, 209, 41) << "Comic Sans MS"
        << 20.25 << false << false;
    QTest::newRow("cmdEditor") << "cmdEditor" << true << "Editor" << QRect(156, 184, 213, 41)
                               << "Comic Sans MS" << 20.25 << false << false;
    QTest::newRow("cmdEsci") << "cmdEsci" << true << "Esci" << QRect(348, 256, 77, 37)
                             << "Comic Sans MS" << 20.25 << false << false;
    QTest::newRow("Label1") << "Label1" << false << "Zenuvio di geometria piana"
                            << QRect(20, 16, 481, 45) << "Arial" << 26.25 << true << true;
    QTest::newRow("Label2") << "Label2" << false << "( Perimetro - Area - Teorema di Pitagora )"
                            << QRect(16, 64, 489, 25) << "Arial" << 12.0 << true << true;
    QTest::newRow("cmdInfo") << "cmdInfo" << true << "Info" << QRect(100, 256, 77, 37)
                             << "Comic Sans MS" << 20.25 << false << false;
    QTest::newRow("Label5") << "Label5" << false << "ventalbo@example.org"
                            << QRect(188, 256, 157, 17) << "Comic Sans MS" << 8.25 << false
                            << false;
    QTest::newRow("Label3") << "Label3" << false << "Versione" << QRect(220, 276, 49, 17)
                            << "Comic Sans MS" << 8.25 << false << false;
    QTest::newRow("Label4") << "Label4" << false << "" << QRect(268, 276, 41, 17) << "Comic Sans MS"
                            << 8.25 << false << false;
}

void TestForm3::controls()
{
    QFETCH(QString, name);
    QFETCH(bool, isButton);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    QFETCH(QString, family);
    QFETCH(qreal, pointSize);
    QFETCH(bool, boldItalic);
    QFETCH(bool, centred);

    Form3 form(nullptr);
    QWidget *control = form.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(control->font().family(), family);
    QCOMPARE(control->font().pointSizeF(), pointSize);
    QCOMPARE(control->font().bold(), boldItalic);
    QCOMPARE(control->font().italic(), boldItalic);

    if (isButton) {
        auto *pushButton = qobject_cast<QPushButton *>(control);
        QVERIFY(pushButton);
        QCOMPARE(pushButton->text(), caption);
        return;
    }
    auto *label = qobject_cast<QLabel *>(control);
    QVERIFY(label);
    QCOMPARE(label->text(), caption);
    QVERIFY(!label->autoFillBackground());
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask,
             centred ? Qt::AlignHCenter : Qt::AlignLeft);
}

void TestForm3::centredWhenFirstShown()
{
    Form3 form(nullptr);
    QCOMPARE(form.windowTitle(), QStringLiteral("Start"));
    QCOMPARE(form.size(), QSize(529, 363));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QRect screen = form.screen()->availableGeometry();
    QVERIFY((form.frameGeometry().center() - screen.center()).manhattanLength() <= 40);

    // Shown again after a mode, the window stays where the user left it.
    form.move(screen.topLeft() + QPoint(10, 10));
    const QPoint moved = form.pos();
    form.hide();
    form.show();
    QCOMPARE(form.pos(), moved);
}

void TestForm3::formLoad_data()
{
    QTest::addColumn<float>("screenWidth");
    QTest::addColumn<float>("screenHeight");
    QTest::addColumn<bool>("runs");

    QTest::newRow("640x480 at 96 dpi refused") << 9600.0f << 7200.0f << false;
    QTest::newRow("640x480 at 120 dpi runs") << 7680.0f << 5760.0f << true;
    QTest::newRow("800x600 runs") << 12000.0f << 9000.0f << true;
}

void TestForm3::formLoad()
{
    QFETCH(float, screenWidth);
    QFETCH(float, screenHeight);
    QFETCH(bool, runs);

    const FakeScreen screen(screenWidth, screenHeight);
    ScreenMetrics::setOverride(&screen);
    Form3 form(nullptr);
    QCOMPARE(form.Form_Load(), runs);
    QVERIFY(!form.isVisible());

    QCOMPARE(form.findChild<QLabel *>(QStringLiteral("Label4"))->text(), programVersionText());
    QCOMPARE(HelpFile::registeredFile(), ProgramFolder::path() + QStringLiteral("\\Aiuto.HLP"));

    if (runs) {
        QVERIFY(MessageBox::recorded().isEmpty());
        return;
    }
    QCOMPARE(MessageBox::recorded().size(), 1);
    const MessageBox::Shown &box = MessageBox::recorded().first();
    QCOMPARE(box.icon, MessageBox::Icon::Information);
    QCOMPARE(box.title, QStringLiteral("Avviso"));
    QCOMPARE(box.text, QStringLiteral("Il programma funziona con una risoluzione minima dello "
                                      "schermo di 800 x 600 pixel. Modifica le impostazioni e "
                                      "rilancia il programma."));
}

void TestForm3::modeButtons_data()
{
    QTest::addColumn<QString>("buttonName");
    QTest::addColumn<int>("modoEditor");
    QTest::addColumn<int>("modoRisoluzione");

    QTest::newRow("Editor") << "cmdEditor" << 1 << 0;
    QTest::newRow("Risoluzione") << "cmdRisoluzione" << 0 << 1;
}

void TestForm3::modeButtons()
{
    QFETCH(QString, buttonName);
    QFETCH(int, modoEditor);
    QFETCH(int, modoRisoluzione);

    FakeWorkWindows works;
    Form3 form(works.factory());
    QVERIFY(form.Form_Load());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(button(form, "cmdInfo"), Qt::LeftButton);
    QPointer<frmInfo> about = form.aboutWindow();
    QVERIFY(about && about->isVisible());

    // Twice, so that the flags written by the first visit are overwritten.
    for (int visit = 0; visit < 2; ++visit) {
        Module1::ModoEditor = 1 - modoEditor;
        Module1::ModoRisoluzione = 1 - modoRisoluzione;
        QTest::mouseClick(form.findChild<QPushButton *>(buttonName), Qt::LeftButton);

        QCOMPARE(works.built, visit + 1);
        QVERIFY(works.busyPointer);
        QCOMPARE(works.modoEditor, std::optional<int>(modoEditor));
        QCOMPARE(works.modoRisoluzione, std::optional<int>(modoRisoluzione));
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(works.last && works.last->isVisible());
        QCOMPARE(form.workWindow(), works.last.data());
        QVERIFY(!form.isVisible());
        QVERIFY(about && about->isVisible());

        // Closing the work window through its frame brings the start window back.
        works.last->close();
        QTRY_VERIFY(form.isVisible());
        QVERIFY(!works.last);
        QCOMPARE(Module1::ModoEditor, std::optional<int>(modoEditor));
        QCOMPARE(Module1::ModoRisoluzione, std::optional<int>(modoRisoluzione));
    }
}

void TestForm3::noWorkWindowLeavesStartWindow()
{
    Form3 form([]() -> QWidget * { return nullptr; });
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(button(form, "cmdEditor"), Qt::LeftButton);
    QVERIFY(form.isVisible());
    QVERIFY(!QApplication::overrideCursor());
}

void TestForm3::esciClosesEveryWindow()
{
    Form3 form(nullptr);
    QVERIFY(form.Form_Load());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(button(form, "cmdInfo"), Qt::LeftButton);
    QPointer<frmInfo> about = form.aboutWindow();
    QPointer<HelpViewer> help = HelpFile::showHelp();
    QVERIFY(about && about->isVisible());
    QVERIFY(help && help->isVisible());

    QTest::mouseClick(button(form, "cmdEsci"), Qt::LeftButton);
    QVERIFY(!form.isVisible());
    QTRY_VERIFY(!about);
    QTRY_VERIFY(!help);
}

QTEST_MAIN(TestForm3)
#include "tst_app_form3.moc"
