// The window layers shared by the start and work windows, tried as a user
// would: a file dialog that remembers its name and folder, the button Enter
// chooses in a question, a picture box.
#include "filedialog.h"
#include "messagebox.h"
#include "picturebox.h"
#include "scriptedfiledialog.h"
#include "temporarysettings.h"

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
        QCOMPARE(showings[1].proposed, problems.filePath("Problema uno.znv"));
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

    // A picture shows inside the box's frame. A file that cannot be shown then
    // leaves the box showing nothing, not the picture before; a pipe is not read
    // at all (it would block), and a picture or a file larger than any figure
    // is refused.
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
        QImage band(80, 80, QImage::Format_RGB32);
        band.fill(Qt::red);
        QFile text(dir.filePath("testo.gif"));
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write("GIF89a, ma no") == 13);
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
        QVERIFY(band.save(dir.filePath("banda.png")) && band.save(dir.filePath("20MB.png")) &&
                band.save(dir.filePath("20MB+1.png")) && sized("20MB.png", PictureFile::MaxBytes) &&
                sized("20MB+1.png", PictureFile::MaxBytes + 1));
#ifndef Q_OS_WIN
        QCOMPARE(mkfifo(QFile::encodeName(dir.filePath("tubo.gif")).constData(), 0600), 0);
        QVERIFY(QFile::link(dir.filePath("tubo.gif"), dir.filePath("collegamento.gif")));
#endif

        PictureBox box;
        box.resize(50, 30);
        const auto shot = [&box] {
            return box.grab().toImage().convertToFormat(QImage::Format_RGB32);
        };
        const QImage empty = shot();
        QCOMPARE(box.load(dir.filePath("banda.png")), PictureBox::Loading::Done);
        QCOMPARE(shot().pixelColor(box.borderWidth(), box.borderWidth()), QColor(Qt::red));
        QCOMPARE(box.load(dir.filePath(name)), loading);
        if (loading == PictureBox::Loading::Done)
            QVERIFY(box.hasPicture());
        else
            QCOMPARE(shot(), empty);
    }
};

QTEST_MAIN(TestUi)
#include "tst_ui.moc"
