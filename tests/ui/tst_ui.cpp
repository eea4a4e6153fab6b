// The window layers shared by the start and work windows, tried as a user
// would: a file dialog that remembers its name and folder, the button Enter
// chooses in a question, a tab panel that shows one page at a time and can be
// switched off, a picture box.
#include "filedialog.h"
#include "messagebox.h"
#include "picturebox.h"
#include "scriptedfiledialog.h"
#include "tabpanel.h"
#include "temporarysettings.h"

#include <QFileDialog>
#include <QPainter>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

class TestUi : public QObject {
    Q_OBJECT

private slots:

    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // A dialog proposes the name it gave back last; a cancelled one gives back
    // the empty name. The first dialog opens in the documents folder; later ones,
    // in this run or the next, where a file was chosen last, unless that is the
    // program's own folder. A proposed name opens its own folder.
    void dialogRemembersTheNameAndTheFolder()
    {
        QTemporaryDir program, problems;
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        ScriptedDialogs script;
        TemporarySettings temporary;
        for (const QString &answer : {problems.filePath("Problema uno.znv"), QString(),
                                      program.filePath("b.znv"), QString()})
            script->answer(answer);
        FileDialog first;
        const auto setUp = [&program](FileDialog &dialog, Settings *settings) {
            dialog.setSettings(settings);
            dialog.setProgramFolder(program.path());
        };
        setUp(first, &temporary.settings());
        first.addShortcut("/examples");
        first.setFilter("Zenuvio (*.znv)|*.znv");
        first.showOpen();
        QCOMPARE(first.fileTitle(), "Problema uno.znv");
        first.showSave(); // cancelled
        QCOMPARE(first.fileName(), QString());
        Settings next = Settings::open(temporary.files());
        FileDialog nextRun;
        setUp(nextRun, &next);
        nextRun.showOpen(); // a file in the program's folder
        nextRun.showOpen(); // proposes that file: its folder
        Settings third = Settings::open(temporary.files());
        FileDialog thirdRun;
        setUp(thirdRun, &third);
        thirdRun.showOpen(); // not the program's folder

        const QList<ScriptedFileDialog::Showing> &showings = script->showings();
        QStringList folders;
        for (const ScriptedFileDialog::Showing &showing : showings)
            folders << showing.startFolder;
        const QString home = QFileInfo(documents).isDir() ? documents : QDir::homePath();
        QCOMPARE(folders,
                 (QStringList{home, problems.path(), problems.path(), program.path(), home}));
        QCOMPARE(showings[0].nameFilter, "Zenuvio (*.znv)");
        QCOMPARE(showings[0].shortcuts, QStringList{"/examples"});
        QVERIFY(!showings[0].forSaving && showings[1].forSaving);
        QCOMPARE(showings[1].proposed, problems.filePath("Problema uno.znv"));
    }

    // The dialog opens where it is asked to, offers the examples in its side
    // bar, and leaves the question about replacing a file to the program.
    void qtFileDialogOffersTheExamples()
    {
        QTemporaryDir start, examples;
        QFileDialog dialog;
        FileDialog::setUp(dialog, {true,
                                   start.filePath("rombo.znv"),
                                   "Zenuvio (*.znv)",
                                   start.path(),
                                   {examples.path()}});
        QCOMPARE(QFileInfo(dialog.directory().path()).canonicalFilePath(),
                 QFileInfo(start.path()).canonicalFilePath());
        QVERIFY(dialog.sidebarUrls().contains(QUrl::fromLocalFile(examples.path())));
        QVERIFY(dialog.testOption(QFileDialog::DontConfirmOverwrite));
    }

    // Enter on a real question chooses the button its caller asks for, the
    // first when the caller names none there is.
    void enterChoosesTheDefaultButton_data()
    {
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("chosen");
        QTest::newRow("the first") << 0 << 0;
        QTest::newRow("the last") << 2 << 2;
        QTest::newRow("none there is") << 3 << 0;
    }

    void enterChoosesTheDefaultButton()
    {
        QFETCH(int, asked);
        QFETCH(int, chosen);
        QTimer::singleShot(
            0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
        QCOMPARE(MessageBox::ask(MessageBox::Icon::Question, "Zenuvio", "Salvare?",
                                 {"Salva", "Non salvare", "Annulla"}, nullptr, asked),
                 chosen);
    }

    // Twelve tabs, as the formula panel has them: only the current tab's page
    // shows, and its box is the one a click reaches. Switched off, the panel takes
    // no click and keeps its tab.
    void tabPanel()
    {
        TabPanel panel(2, 20);
        panel.resize(299, 543);
        QList<PictureBox *> boxes;
        const QRect place(8, 136, 113, 41);
        for (int i = 0; i < 12; ++i)
            panel.addTab(QStringLiteral("Scheda %1").arg(i));
        for (int i = 0; i < 12; ++i) {
            boxes << new PictureBox;
            panel.placeOnPage(i, boxes.last(), place);
        }
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        const QList<TabCaption *> captions = panel.findChildren<TabCaption *>();
        QCOMPARE(captions.size(), 12);
        QSignalSpy clicks(boxes[3], &PictureBox::clicked);
        for (int tab : {7, 3}) {
            QTest::mouseClick(captions[tab], Qt::LeftButton);
            QCOMPARE(panel.currentTab(), tab);
            QCOMPARE(panel.childAt(place.center()), boxes[tab]);
            for (int i = 0; i < boxes.size(); ++i)
                QCOMPARE(boxes[i]->isVisible(), i == tab);
        }
        panel.setSwitchedOn(false);
        QTest::mouseClick(boxes[3], Qt::LeftButton);
        QTest::mouseClick(captions[1], Qt::LeftButton);
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(panel.childAt(place.center()), boxes[3]);
        panel.setSwitchedOn(true);
        QCOMPARE(panel.currentTab(), 3);
        QTest::mouseClick(boxes[3], Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
    }

    // A picture is drawn unscaled from the top-left corner inside the frame and
    // cut at the box's edge; its transparent pixels show the box's colour. A file
    // that cannot be shown then leaves the box showing nothing, not the picture
    // before; a pipe is not read at all (it would block), and a small file that
    // claims a huge picture is refused before it is decoded, as is a file larger
    // than any figure.
    void pictureBox_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<PictureBox::Loading>("loading");
        QTest::newRow("not a picture") << "testo.gif" << PictureBox::Loading::NotAPicture;
        QTest::newRow("missing") << "mancante.gif" << PictureBox::Loading::Missing;
#ifndef Q_OS_WIN // Windows has no named pipes in a folder
        QTest::newRow("a link to a pipe")
            << "collegamento.gif" << PictureBox::Loading::NotARegularFile;
#endif
        QTest::newRow("a huge picture claimed") << "enorme.gif" << PictureBox::Loading::TooLarge;
        QTest::newRow("pixels at the bound") << "2000x2000.png" << PictureBox::Loading::Done;
        QTest::newRow("a row beyond") << "2000x2001.png" << PictureBox::Loading::TooLarge;
        QTest::newRow("bytes at the bound") << "20MB.png" << PictureBox::Loading::Done;
        QTest::newRow("a byte beyond") << "20MB+1.png" << PictureBox::Loading::FileTooLarge;
    }

    void pictureBox()
    {
        QFETCH(QString, name);
        QFETCH(PictureBox::Loading, loading);
        QTemporaryDir dir;
        QImage band(80, 80, QImage::Format_ARGB32);
        band.fill(Qt::transparent);
        QPainter(&band).fillRect(0, 0, 80, 10, Qt::red);
        QVERIFY(band.save(dir.filePath("banda.png")));
        const auto put = [&](const char *file, const QByteArray &bytes) {
            QFile out(dir.filePath(file));
            return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
        };
        // A GIF of 29 bytes whose header says 7000 x 7000 pixels.
        const QByteArray side("\x58\x1B", 2);
        QVERIFY(put("testo.gif", "GIF89a, ma no") &&
                put("enorme.gif", "GIF89a" + side + side + QByteArray(3, 0) + "," +
                                      QByteArray(4, 0) + side + side +
                                      QByteArray("\0\2\2\x4C\x01\0;", 7)));
        const auto sized = [&](const char *file, qint64 bytes) {
            QFile out(dir.filePath(file));
            return out.open(QIODevice::ReadWrite) && out.resize(bytes); // sparse: nothing written
        };
        for (const QSize &pixels : {QSize(2000, 2000), QSize(2000, 2001)}) {
            QImage plain(pixels, QImage::Format_RGB32);
            plain.fill(Qt::green);
            QVERIFY(plain.save(
                dir.filePath(QString("%1x%2.png").arg(pixels.width()).arg(pixels.height()))));
        }
        QVERIFY(band.save(dir.filePath("20MB.png")) && band.save(dir.filePath("20MB+1.png")) &&
                sized("20MB.png", PictureFile::MaxBytes) &&
                sized("20MB+1.png", PictureFile::MaxBytes + 1));
#ifndef Q_OS_WIN
        QCOMPARE(mkfifo(QFile::encodeName(dir.filePath("tubo.gif")).constData(), 0600), 0);
        QVERIFY(QFile::link(dir.filePath("tubo.gif"), dir.filePath("collegamento.gif")));
#endif

        PictureBox box;
        box.resize(50, 30);
        box.setBackColor(Qt::yellow);
        const auto shot = [&box] {
            return box.grab().toImage().convertToFormat(QImage::Format_RGB32);
        };
        const QImage empty = shot();
        QCOMPARE(box.load(dir.filePath("banda.png")), PictureBox::Loading::Done);
        const QImage seen = shot();
        const int b = box.borderWidth();
        QCOMPARE(seen.pixelColor(b, b), QColor(Qt::red));
        QCOMPARE(seen.pixelColor(49 - b, b + 9), QColor(Qt::red));
        QCOMPARE(seen.pixelColor(b, b + 10), QColor(Qt::yellow));
        QVERIFY(seen.pixelColor(49, b + 5) != QColor(Qt::red)); // the frame is not drawn over
        QCOMPARE(box.load(dir.filePath(name)), loading);
        if (loading == PictureBox::Loading::Done)
            QVERIFY(box.hasPicture());
        else
            QCOMPARE(shot(), empty);
    }
};

QTEST_MAIN(TestUi)
#include "tst_ui.moc"
