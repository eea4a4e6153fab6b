// The start window and what it opens, as a user meets them: the screen check
// and the version at start-up, the arrangement, the mode buttons, one about
// window, "Esci", F1 and the help viewer, and the sizes of the windows.
#include "helpfile.h"
#include "helpviewer.h"
#include "messagebox.h"
#include "programfolder.h"
#include "screencheck.h"
#include "startwindow.h"
#include "textbox.h"
#include "versiontext.h"
#include "windowscale.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Screen metrics a test chooses, counting how often the height is read.
struct FakeScreen : ScreenMetrics {
    FakeScreen(QSizeF twips) : twips(twips) {}
    float widthTwips() const override { return float(twips.width()); }
    float heightTwips() const override
    {
        ++heightReads;
        return float(twips.height());
    }
    QSizeF twips;
    mutable int heightReads = 0;
};

const QString AboutText = QStringLiteral("Premi il tasto F1 se vuoi visualizzare la guida\r\n"
                                         "-----------------------------------------------\r\n"
                                         "Buon lavoro da:\r\n"
                                         "Ventalbo\r\n"
                                         "http://www.example.org/ventalbo\r\n"
                                         "e-mail: ventalbo@example.org\r\n");

void click(QWidget *window, const char *button)
{
    QTest::mouseClick(window->findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
}
} // namespace

class TestApp : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void versionText();
    void startUp_data();
    void startUp();
    void arrangement();
    void modeButtons_data();
    void modeButtons();
    void oneAboutWindowAndEsci();
    void f1OpensOneViewer();
    void sizesFromTheKeyboard();
    void pupilsName();
    void sizeInQtsScaleFactor_data();
    void sizeInQtsScaleFactor();
};

void TestApp::cleanup()
{
    qDeleteAll(QApplication::topLevelWidgets());
}

// Plain decimal numbers: minor 5 gives 1.5, never 1.05.
void TestApp::versionText()
{
    QCOMPARE(::versionText(1, 5), "1.5");
    QCOMPARE(::versionText(1, 12), "1.12");
}

void TestApp::startUp_data()
{
    QTest::addColumn<QSizeF>("screen"); // twips: pixels x 1440 / logical dpi
    QTest::addColumn<bool>("refused");
    QTest::addColumn<int>("heightReads");
    QTest::newRow("640x480 at 96 dpi") << QSizeF(9600, 7200) << true << 1;
    QTest::newRow("640x480 at 120 dpi") << QSizeF(7680, 5760) << false << 0;
    QTest::newRow("640 wide, 400 high") << QSizeF(9600, 6000) << false << 1;
    QTest::newRow("height not read when width differs") << QSizeF(9599.999f, 7200) << false << 0;
}

// Starting writes the version and registers the help file; only a screen of
// exactly 640 x 480 pixels at 15 twips to the pixel is refused, with a notice.
void TestApp::startUp()
{
    QFETCH(QSizeF, screen);
    QFETCH(bool, refused);
    QFETCH(int, heightReads);
    const FakeScreen metrics(screen);
    const ScreenMetrics::Override measured(metrics);
    MessageBox::Recording boxes;
    StartWindow form(nullptr);
    QCOMPARE(form.startUp(), !refused);
    QCOMPARE(metrics.heightReads, heightReads);
    QCOMPARE(form.findChild<QLabel *>("Label4")->text(), programVersionText());
    QCOMPARE(HelpFile::registeredFile(), ProgramFolder::path() + QStringLiteral("\\Aiuto.HLP"));
    QCOMPARE(boxes.shown().size(), int(refused));
    if (refused) {
        const MessageBox::Shown &box = boxes.shown().first();
        QCOMPARE(box.icon, MessageBox::Icon::Information);
        QCOMPARE(box.title + ": " + box.text,
                 "Avviso: Il programma funziona con una risoluzione minima dello schermo di 800 x "
                 "600 pixel. Modifica le impostazioni e rilancia il programma.");
    }
}

// From the top: the title, the subtitle, "Risoluzione" above "Editor"; then a
// bottom row with "Info", the e-mail address and "Esci", and under the
// address the words "Versione" and the version number. "Editor" can be hidden.
void TestApp::arrangement()
{
    StartWindow form(nullptr);
    QCOMPARE(form.windowTitle(), "Start");
    const auto at = [&form](const char *name) {
        return form.findChild<QWidget *>(QLatin1String(name))->geometry();
    };
    QStringList captions;
    for (const char *name : {"Label1", "Label2", "cmdRisoluzione", "cmdEditor", "cmdInfo", "Label5",
                             "cmdEsci", "Label3", "Label4"}) {
        captions << form.findChild<QWidget *>(QLatin1String(name))->property("text").toString();
        QVERIFY2(form.rect().contains(at(name)), name);
    }
    QCOMPARE(captions,
             QStringList({"Zenuvio di geometria piana",
                          "( Perimetro - Area - Teorema di Pitagora )", "Risoluzione", "Editor",
                          "Info", "ventalbo@example.org", "Esci", "Versione", ""}));
    const char *column[] = {"Label1", "Label2", "cmdRisoluzione", "cmdEditor", "cmdInfo"};
    for (int i = 1; i < 5; ++i)
        QVERIFY2(at(column[i - 1]).bottom() < at(column[i]).top(), column[i]);
    const char *row[] = {"cmdInfo", "Label5", "cmdEsci"};
    for (int i = 1; i < 3; ++i) {
        QVERIFY2(at(row[i - 1]).right() < at(row[i]).left(), row[i]);
        QCOMPARE(at(row[i]).top(), at(row[0]).top());
    }
    QVERIFY(at("Label5").bottom() < at("Label3").top());
    QCOMPARE(at("Label3").top(), at("Label4").top());
    QVERIFY(at("Label3").right() <= at("Label4").left());
    for (const char *centred : {"Label1", "Label2", "cmdRisoluzione", "cmdEditor"})
        QVERIFY2(qAbs(at(centred).center().x() - form.width() / 2) < 20, centred);

    // A pupil's machine offers no "Editor".
    form.setEditorHidden(true);
    form.show();
    QVERIFY(!form.findChild<QWidget *>("cmdEditor")->isVisible());
    QVERIFY(form.findChild<QWidget *>("cmdRisoluzione")->isVisible());

    // A notice needing no answer: a status line under the version, in the window.
    form.showStatus("Niente voce per questa volta.");
    QCOMPARE(form.findChild<QLabel *>("lblStato")->text(), "Niente voce per questa volta.");
    QVERIFY(form.findChild<QWidget *>("lblStato")->isVisible());
    QVERIFY(at("Label3").bottom() < at("lblStato").top());
    QVERIFY(form.rect().contains(at("lblStato")));

    // With everything a start window can offer, no control covers another.
    form.setEditorHidden(false);
    form.offerName(QString(), [](const QString &) {});
    form.offerClassResults([] {});
    form.offerSizes(100, [](int) {});
    QList<QWidget *> shown;
    for (QWidget *child : form.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (child->isVisible() && !child->objectName().isEmpty() &&
            !child->objectName().startsWith("Label") && child->objectName() != "lblStato")
            shown << child;
    QVERIFY2(shown.size() >= 8, qPrintable(QString::number(shown.size())));
    for (QWidget *one : shown) {
        QVERIFY2(form.rect().contains(one->geometry()), qPrintable(one->objectName()));
        for (QWidget *other : shown)
            QVERIFY2(one == other || !one->geometry().intersects(other->geometry()),
                     qPrintable(one->objectName() + " covers " + other->objectName()));
    }
}

void TestApp::modeButtons_data()
{
    QTest::addColumn<int>("editor");
    QTest::newRow("cmdEditor") << 1;
    QTest::newRow("cmdRisoluzione") << 0;
}

void TestApp::modeButtons()
{
    QFETCH(int, editor);
    bool ready = false;
    QPointer<QWidget> work;
    // The work window is built for the button's mode with the busy pointer on;
    // it puts the pointer back.
    StartWindow form([&](WorkMode mode) -> QWidget * {
        const QCursor *pointer = QApplication::overrideCursor();
        ready = mode == (editor ? WorkMode::Editor : WorkMode::Solving) && pointer &&
                pointer->shape() == Qt::WaitCursor;
        QApplication::restoreOverrideCursor();
        work = new QWidget;
        work->setAttribute(Qt::WA_DeleteOnClose);
        return work;
    });
    form.show();
    click(&form, "cmdInfo");
    QPointer<AboutWindow> about = form.aboutWindow();

    for (int visit = 0; visit < 2; ++visit) {
        click(&form, QTest::currentDataTag());
        QVERIFY2(ready, "mode and busy pointer set before the work window is built");
        QVERIFY(work && work->isVisible());
        QVERIFY(!form.isVisible());
        QVERIFY(about && about->isVisible());

        // Closed through its frame, the work window brings the start window back.
        work->close();
        QTRY_VERIFY(form.isVisible());
    }
}

// "Info" shows one about window however often it is pressed; "Esci" closes
// every window, the help viewer included.
void TestApp::oneAboutWindowAndEsci()
{
    StartWindow form(nullptr);
    form.show();
    click(&form, "cmdInfo");
    QPointer<AboutWindow> first = form.aboutWindow();
    QVERIFY(first && first->isVisible());
    // Closed with OK, then opened again with Info pressed twice.
    click(first, "cmdOK");
    click(&form, "cmdInfo");
    click(&form, "cmdInfo");
    QTRY_VERIFY(!first);
    QCOMPARE(QApplication::topLevelWidgets().size(), 2); // the start and the about window
    QPointer<AboutWindow> about = form.aboutWindow();
    auto *text1 = about->findChild<TextBox *>(QStringLiteral("Text1"));
    QCOMPARE(text1->text(), AboutText);
    QCOMPARE(text1->document()->blockCount(), 7); // the seventh line is empty

    QPointer<HelpViewer> help = HelpFile::showHelp();
    click(&form, "cmdEsci");
    QVERIFY(!form.isVisible());
    QTRY_VERIFY(!about && !help);
}

void TestApp::f1OpensOneViewer()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Aiuto.HLP"));
    HelpFile::registerFile(folder.path() + QStringLiteral("\\Aiuto.HLP"));
    AboutWindow about;
    about.show();
    QTest::keyClick(&about, Qt::Key_F1);
    QPointer<HelpViewer> viewer = HelpFile::viewer();
    QVERIFY(viewer && viewer->isVisible() && !viewer->showsFile());
    const QString note = viewer->toPlainText();
    QVERIFY2(note.contains(QStringLiteral("non è stato trovato")), qPrintable(note));
    QVERIFY2(note.contains(QDir::toNativeSeparators(path)), qPrintable(note));

    // Once the file is there, F1 here and in the viewer shows it in the one viewer.
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("La guida è qui.") > 0 && file.flush());
    QTest::keyClick(&about, Qt::Key_F1);
    QTest::keyClick(viewer, Qt::Key_F1);
    QCOMPARE(HelpFile::viewer(), viewer.data());
    QCOMPARE(QApplication::topLevelWidgets().size(), 2); // the about window and the viewer
    QVERIFY(viewer->showsFile());
    QCOMPARE(viewer->toPlainText(), QStringLiteral("La guida è qui."));
}

// Ctrl++ and Ctrl+- step through the sizes, the list offers them all.
void TestApp::sizesFromTheKeyboard()
{
    QList<int> chosen;
    StartWindow form(nullptr);
    form.offerSizes(150, [&chosen](int percent) { chosen << percent; });
    form.show();
    QApplication::setActiveWindow(&form);
    if (!QTest::qWaitForWindowActive(&form))
        QSKIP("The start window cannot be made active here.");
    QTest::keyClick(&form, Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(&form, Qt::Key_Minus, Qt::ControlModifier);
    auto *sizes = form.findChild<QComboBox *>("cmbDimensione");
    QCOMPARE(sizes->currentText(), "150 %");
    QCOMPARE(sizes->count(), 7);
    sizes->setFocus();
    QTest::keyClick(sizes, Qt::Key_End);
    QCOMPARE(chosen, (QList<int>{175, 125, 300}));
}

// The pupil's name, in its own box beside the other choices of the corner,
// reached with Alt+N from anywhere in the window; every change is passed on.
void TestApp::pupilsName()
{
    QStringList names;
    StartWindow form(nullptr);
    form.offerSizes(100, [](int) {});
    form.offerReadAloud(false, [](bool) {});
    form.offerName("Luca", [&names](const QString &name) { names << name; });
    form.show();
    QApplication::setActiveWindow(&form);
    if (!QTest::qWaitForWindowActive(&form))
        QSKIP("The start window cannot be made active here.");
    auto *box = form.findChild<QLineEdit *>("txtNome");
    QCOMPARE(box->text(), "Luca");
    QCOMPARE(box->accessibleName(), "Nome");
    const QRect corner[] = {form.findChild<QWidget *>("chkLeggi")->geometry(),
                            form.findChild<QWidget *>("cmbDimensione")->geometry(),
                            form.findChild<QWidget *>("lblNome")->geometry()};
    for (const QRect &other : corner)
        QVERIFY(!box->geometry().intersects(other));
    QVERIFY(form.rect().contains(box->geometry()));
    QTest::keyClick(&form, Qt::Key_N, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), box);
    box->selectAll();
    QTest::keyClicks(box, "Anna");
    QCOMPARE(names.last(), "Anna");
}

void TestApp::sizeInQtsScaleFactor_data()
{
    QTest::addColumn<QByteArray>("before"); // QT_SCALE_FACTOR as the user left it
    QTest::addColumn<int>("size");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("normal size, nothing set") << QByteArray() << 100 << QByteArray();
    QTest::newRow("double size") << QByteArray() << 200 << QByteArray("2");
    QTest::newRow("combined with the user's") << QByteArray("1.5") << 200 << QByteArray("3");
}

void TestApp::sizeInQtsScaleFactor()
{
    QFETCH(QByteArray, before);
    QFETCH(int, size);
    QFETCH(QByteArray, after);
    const QByteArray saved = qgetenv("QT_SCALE_FACTOR");
    for (const char *name : {"ZENUVIO_SIZE", "ZENUVIO_BASE_SCALE_FACTOR", "QT_SCALE_FACTOR"})
        qunsetenv(name);
    if (!before.isEmpty())
        qputenv("QT_SCALE_FACTOR", before);
    char *arguments[] = {nullptr};
    QCOMPARE(WindowScale::prepare(0, arguments, size), size);
    // A second preparation (a restart) starts from the user's own factor again.
    WindowScale::prepare(0, arguments, size);
    QCOMPARE(qgetenv("QT_SCALE_FACTOR"), after);
    qunsetenv("ZENUVIO_BASE_SCALE_FACTOR");
    saved.isEmpty() ? qunsetenv("QT_SCALE_FACTOR") : qputenv("QT_SCALE_FACTOR", saved);
}

QTEST_MAIN(TestApp)
#include "tst_app.moc"
