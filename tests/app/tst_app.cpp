// The start window and what it opens, as a user meets them: the screen check
// and the version at start-up, the keyboard, the mode buttons, one about
// window, "Esci", F1 and the help viewer, and the size in Qt's scale factor.
#include "helpfile.h"
#include "helpviewer.h"
#include "messagebox.h"
#include "programfolder.h"
#include "screencheck.h"
#include "startwindow.h"
#include "versiontext.h"
#include "windowscale.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Screen metrics a test chooses.
struct FakeScreen : ScreenMetrics {
    FakeScreen(QSizeF twips) : twips(twips) {}
    float widthTwips() const override { return float(twips.width()); }
    float heightTwips() const override { return float(twips.height()); }
    QSizeF twips;
};

void click(QWidget *window, const char *button)
{
    QTest::mouseClick(window->findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
}

// The start window shown and active, or null where it cannot be made active.
bool activate(QWidget &window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    return QTest::qWaitForWindowActive(&window);
}
} // namespace

class TestApp : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { qDeleteAll(QApplication::topLevelWidgets()); }

    void startUp_data()
    {
        QTest::addColumn<QSizeF>("screen"); // twips: pixels x 1440 / logical dpi
        QTest::addColumn<bool>("refused");
        QTest::newRow("640x480 at 96 dpi") << QSizeF(9600, 7200) << true;
        QTest::newRow("640x480 at 120 dpi") << QSizeF(7680, 5760) << false;
        QTest::newRow("640 wide, 400 high") << QSizeF(9600, 6000) << false;
        QTest::newRow("a width a little less") << QSizeF(9599.999f, 7200) << false;
    }
    // Starting writes the version and registers the help file; only a screen of
    // exactly 640 x 480 pixels at 15 twips to the pixel is refused, with a
    // notice.
    void startUp()
    {
        QFETCH(QSizeF, screen);
        QFETCH(bool, refused);
        const FakeScreen metrics(screen);
        const ScreenMetrics::Override measured(metrics);
        MessageBox::Recording boxes;
        StartWindow form(nullptr);
        QCOMPARE(form.startUp(), !refused);
        QCOMPARE(form.findChild<QLabel *>("Label4")->text(), programVersionText());
        QCOMPARE(HelpFile::registeredFile(), ProgramFolder::path() + "\\Aiuto.HLP");
        QStringList said;
        for (const MessageBox::Shown &box : boxes.shown())
            said << QString::number(int(box.icon)) + " " + box.title + ": " + box.text;
        QCOMPARE(said, refused ? QStringList{"0 Avviso: Il programma funziona con una risoluzione "
                                             "minima dello schermo di 800 x 600 pixel. Modifica "
                                             "le impostazioni e rilancia il programma."}
                               : QStringList());
    }

    // Ctrl++ and Ctrl+- step through the sizes, the list offers them all; the
    // pupil's name is reached with Alt+N, and every change is passed on. A
    // pupil's machine offers no "Editor".
    void arrangementAndKeyboard()
    {
        QList<int> chosen;
        QStringList names;
        StartWindow form(nullptr);
        form.offerName("Luca", [&names](const QString &name) { names << name; });
        form.offerSizes(150, [&chosen](int percent) { chosen << percent; });
        if (!activate(form))
            QSKIP("The start window cannot be made active here.");
        QTest::keyClick(&form, Qt::Key_Plus, Qt::ControlModifier);
        QTest::keyClick(&form, Qt::Key_Minus, Qt::ControlModifier);
        auto *sizes = form.findChild<QComboBox *>("cmbDimensione");
        QCOMPARE(sizes->currentText() + " " + QString::number(sizes->count()), "150 % 7");
        sizes->setFocus();
        QTest::keyClick(sizes, Qt::Key_End);
        QCOMPARE(chosen, (QList<int>{175, 125, 300}));
        auto *box = form.findChild<QLineEdit *>("txtNome");
        QCOMPARE(box->text() + "|" + box->accessibleName(), "Luca|Nome");
        QTest::keyClick(&form, Qt::Key_N, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), box);
        box->selectAll();
        QTest::keyClicks(box, "Anna");
        QCOMPARE(names.last(), "Anna");
        form.setEditorHidden(true);
        QVERIFY(!form.findChild<QWidget *>("cmdEditor")->isVisible());
        QVERIFY(form.findChild<QWidget *>("cmdRisoluzione")->isVisible());
    }

    // Each mode button builds the work window for its mode with the busy
    // pointer on, and the window puts the pointer back; closed through its
    // frame, it brings the start window back, and the about window stays.
    // "Info" shows one about window however often it is pressed. F1 there
    // tells where the help file should be; once it is there, F1 there and in
    // the viewer shows it in the one viewer. "Esci" closes every window.
    void modesAboutHelpAndEsci()
    {
        WorkMode mode = WorkMode::Editor;
        bool ready = false;
        QPointer<QWidget> work;
        StartWindow form([&](WorkMode asked) -> QWidget * {
            const QCursor *pointer = QApplication::overrideCursor();
            ready = asked == mode && pointer && pointer->shape() == Qt::WaitCursor;
            QApplication::restoreOverrideCursor();
            work = new QWidget;
            work->setAttribute(Qt::WA_DeleteOnClose);
            return work;
        });
        form.show();
        click(&form, "cmdInfo");
        QPointer<AboutWindow> first = form.aboutWindow();
        click(first, "cmdOK");
        click(&form, "cmdInfo");
        click(&form, "cmdInfo");
        QTRY_VERIFY(!first);
        QPointer<AboutWindow> about = form.aboutWindow();
        for (const char *button : {"cmdEditor", "cmdRisoluzione"}) {
            click(&form, button);
            QVERIFY2(ready, button);
            QVERIFY(work && work->isVisible() && !form.isVisible() && about && about->isVisible());
            work->close();
            QTRY_VERIFY(form.isVisible());
            mode = WorkMode::Solving;
        }
        QCOMPARE(QApplication::topLevelWidgets().size(), 2); // the start and the about window

        QTemporaryDir folder;
        const QString path = folder.filePath("Aiuto.HLP");
        HelpFile::registerFile(folder.path() + "\\Aiuto.HLP");
        QTest::keyClick(about, Qt::Key_F1);
        QPointer<HelpViewer> viewer = HelpFile::viewer();
        QVERIFY(viewer && viewer->isVisible() && !viewer->showsFile());
        const QString note = viewer->toPlainText();
        QVERIFY2(note.contains("non è stato trovato") &&
                     note.contains(QDir::toNativeSeparators(path)),
                 qPrintable(note));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("La guida è qui.") > 0 &&
                file.flush());
        QTest::keyClick(about, Qt::Key_F1);
        QTest::keyClick(viewer, Qt::Key_F1);
        QCOMPARE(HelpFile::viewer(), viewer.data());
        QCOMPARE(QApplication::topLevelWidgets().size(), 3);
        QCOMPARE(viewer->toPlainText(), "La guida è qui.");
        click(&form, "cmdEsci");
        QVERIFY(!form.isVisible());
        QTRY_VERIFY(!about && !viewer);
    }

    // The size combines with the user's own QT_SCALE_FACTOR, and a second
    // preparation (a restart) starts from the user's factor again.
    void sizeInQtsScaleFactor()
    {
        const QByteArray saved = qgetenv("QT_SCALE_FACTOR");
        for (const char *name : {"ZENUVIO_SIZE", "ZENUVIO_BASE_SCALE_FACTOR"})
            qunsetenv(name);
        qputenv("QT_SCALE_FACTOR", "1.5");
        char *arguments[] = {nullptr};
        QCOMPARE(WindowScale::prepare(0, arguments, 200), 200);
        WindowScale::prepare(0, arguments, 200);
        QCOMPARE(qgetenv("QT_SCALE_FACTOR"), "3");
        qunsetenv("ZENUVIO_BASE_SCALE_FACTOR");
        saved.isEmpty() ? qunsetenv("QT_SCALE_FACTOR") : qputenv("QT_SCALE_FACTOR", saved);
    }
};

QTEST_MAIN(TestApp)
#include "tst_app.moc"
