// The window layers shared by the start and work windows, tried as a user
// would: a file dialog that remembers its name, a tab panel that shows one
// page at a time and can be switched off, a picture box.
#include "filedialog.h"
#include "messagebox.h"
#include "picturebox.h"
#include "qtitalian.h"
#include "scriptedfiledialog.h"
#include "tabpanel.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

// A panel of twelve tabs in rows of two, with one box on every page at the
// same place, as the formula panel has them.
struct Panel {
    TabPanel panel{2, 20};
    QList<PictureBox *> boxes;
    const QRect boxPlace{8, 136, 113, 41};

    Panel()
    {
        panel.resize(299, 543);
        for (int i = 0; i < 12; ++i)
            panel.addTab(QStringLiteral("Scheda %1").arg(i));
        for (int i = 0; i < 12; ++i) {
            boxes << new PictureBox;
            panel.placeOnPage(i, boxes.last(), boxPlace);
        }
        panel.show();
    }
    QList<TabCaption *> captions() const { return panel.findChildren<TabCaption *>(); }
    // The widget a click at the middle of the boxes' place reaches.
    QWidget *underTheBox() const { return panel.childAt(boxPlace.center()); }
};

QImage shot(QWidget &widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestUi : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void dialogAnswers_data();
    void dialogAnswers();
    void dialogStartsWhereAFileWasChosenLast();
    void qtFileDialogSpeaksItalianAndOffersTheExamples();
    void questionsTakeScriptedAnswers();
    void captionsStandInRowsOfTwoAboveThePage();
    void oneTabAtATime_data();
    void oneTabAtATime();
    void switchedOffPanelTakesNoClickAndKeepsTheTab();
    void pictureDrawnUnscaledAndClipped();
    void failedLoadEmptiesTheBox_data();
    void failedLoadEmptiesTheBox();
};

void TestUi::initTestCase()
{
    // The settings of the test, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();
}

void TestUi::dialogAnswers_data()
{
    QTest::addColumn<QString>("proposed");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("title");
    QTest::newRow("chosen") << ""
                            << "/tmp/a/Problema uno.znv"
                            << "Problema uno.znv";
    QTest::newRow("cancelled with a proposal") << "/tmp/a/vecchio.znv"
                                               << ""
                                               << "";
    QTest::newRow("cancelled without") << ""
                                       << ""
                                       << "";
}

// A cancelled dialog gives back the empty name even when it proposed one, and
// the name given back is the one proposed next time.
void TestUi::dialogAnswers()
{
    QFETCH(QString, proposed);
    QFETCH(QString, answer);
    QFETCH(QString, title);
    ScriptedDialogs script;
    script->answer(answer);

    FileDialog dialog;
    dialog.setFileName(proposed);
    dialog.setFilter("Zenuvio (*.znv)|*.znv");
    dialog.showSave();
    QCOMPARE(dialog.fileName(), answer);
    QCOMPARE(dialog.fileTitle(), title);
    QCOMPARE(script->showings().size(), 1);
    QCOMPARE(script->showings()[0].proposed, proposed);
    QCOMPARE(script->showings()[0].nameFilter, "Zenuvio (*.znv)");
    QVERIFY(script->showings()[0].forSaving);

    dialog.showOpen();
    QCOMPARE(script->showings()[1].proposed, answer);
    QVERIFY(!script->showings()[1].forSaving);
}

// The first dialog opens in the documents folder; later ones, in this run or
// the next, where a file was chosen last, unless that is the program's own
// folder. A proposed name opens its own folder.
void TestUi::dialogStartsWhereAFileWasChosenLast()
{
    QSettings().clear();
    QTemporaryDir program, problems;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    ScriptedDialogs script;
    for (const QString &answer :
         {problems.filePath("a.znv"), QString(), program.filePath("b.znv"), QString()})
        script->answer(answer);
    FileDialog first;
    first.setProgramFolder(program.path());
    first.addShortcut("/examples");
    first.showOpen();
    first.setFileName(QString());
    first.showSave(); // cancelled
    FileDialog nextRun;
    nextRun.setProgramFolder(program.path());
    nextRun.showOpen(); // a file in the program's folder
    nextRun.showOpen(); // proposes that file: its folder
    FileDialog thirdRun;
    thirdRun.setProgramFolder(program.path());
    thirdRun.showOpen(); // not the program's folder
    QStringList folders;
    for (const ScriptedFileDialog::Showing &showing : script->showings())
        folders << showing.startFolder;
    const QString home = QFileInfo(documents).isDir() ? documents : QDir::homePath();
    QCOMPARE(folders, (QStringList{home, problems.path(), problems.path(), program.path(), home}));
    QCOMPARE(script->showings()[0].shortcuts, QStringList{"/examples"});
}

// Qt's own texts in the file dialog are Italian; the dialog opens where it is
// asked to, offers the examples in its side bar, and leaves the question
// about replacing a file to the program.
void TestUi::qtFileDialogSpeaksItalianAndOffersTheExamples()
{
    QVERIFY(QtItalian::install(*qApp));
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), "Annulla");

    QTemporaryDir start, examples;
    QFileDialog dialog;
    FileDialog::setUp(
        dialog,
        {true, start.filePath("rombo.znv"), "Zenuvio (*.znv)", start.path(), {examples.path()}});
    QCOMPARE(QFileInfo(dialog.directory().path()).canonicalFilePath(),
             QFileInfo(start.path()).canonicalFilePath());
    QVERIFY(dialog.sidebarUrls().contains(QUrl::fromLocalFile(examples.path())));
    QVERIFY(dialog.testOption(QFileDialog::DontConfirmOverwrite));
    QVERIFY(dialog.testOption(QFileDialog::DontUseNativeDialog));
    QStringList texts;
    for (QPushButton *button : dialog.findChildren<QPushButton *>())
        texts << button->text();
    QVERIFY2(texts.contains("Annulla") && texts.contains("&Salva"), qPrintable(texts.join('|')));
}

// A question takes the scripted answer, or, unscripted, its last button.
void TestUi::questionsTakeScriptedAnswers()
{
    MessageBox::Recording boxes;
    const QStringList buttons = {"Salva", "Non salvare", "Annulla"};
    boxes.answer("Non salvare");
    QCOMPARE(MessageBox::ask(MessageBox::Icon::Question, "Zenuvio", "Salvare?", buttons), 1);
    QCOMPARE(MessageBox::ask(MessageBox::Icon::Question, "Zenuvio", "Salvare?", buttons), 2);
    QCOMPARE(boxes.shown().size(), 2);
    QCOMPARE(boxes.shown()[0].buttons, buttons);
}

void TestUi::captionsStandInRowsOfTwoAboveThePage()
{
    Panel p;
    const QList<TabCaption *> captions = p.captions();
    QCOMPARE(captions.size(), 12);
    const int pageTop = p.panel.page(0)->geometry().top();
    for (int i = 0; i < captions.size(); ++i) {
        const QRect r = captions[i]->geometry();
        QCOMPARE(captions[i]->text(), QStringLiteral("Scheda %1").arg(i));
        QVERIFY2(r.bottom() < pageTop && r.left() >= 0 && r.right() < p.panel.width(),
                 qPrintable(captions[i]->text()));
        // Two to a row: the even one on the left, its partner beside it; each
        // row below the one before.
        if (i % 2 == 1) {
            const QRect left = captions[i - 1]->geometry();
            QCOMPARE(r.top(), left.top());
            QCOMPARE(r.left(), left.right() + 1);
        }
        if (i >= 2)
            QVERIFY(r.top() > captions[i - 2]->geometry().bottom() - 1);
    }
}

void TestUi::oneTabAtATime_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::newRow("at first") << QList<int>{};
    QTest::newRow("one click") << QList<int>{7};
    QTest::newRow("there and back") << QList<int>{3, 0};
    QTest::newRow("every tab") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
}

// Only the current tab's page is shown: its box is the one a click reaches.
void TestUi::oneTabAtATime()
{
    QFETCH(QList<int>, clicks);
    Panel p;
    QVERIFY(QTest::qWaitForWindowExposed(&p.panel));
    for (int tab : clicks)
        QTest::mouseClick(p.captions()[tab], Qt::LeftButton);
    const int current = clicks.isEmpty() ? 0 : clicks.last();
    QCOMPARE(p.panel.currentTab(), current);
    QCOMPARE(p.underTheBox(), p.boxes[current]);
    for (int i = 0; i < p.boxes.size(); ++i)
        QCOMPARE(p.boxes[i]->isVisible(), i == current);
}

void TestUi::switchedOffPanelTakesNoClickAndKeepsTheTab()
{
    Panel p;
    QVERIFY(QTest::qWaitForWindowExposed(&p.panel));
    QSignalSpy clicks(p.boxes[3], &PictureBox::clicked);
    QTest::mouseClick(p.captions()[3], Qt::LeftButton);

    p.panel.setSwitchedOn(false);
    QTest::mouseClick(p.boxes[3], Qt::LeftButton);
    QTest::mouseClick(p.captions()[1], Qt::LeftButton);
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(p.underTheBox(), p.boxes[3]);

    p.panel.setSwitchedOn(true);
    QCOMPARE(p.panel.currentTab(), 3);
    QTest::mouseClick(p.boxes[3], Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
}

void TestUi::pictureDrawnUnscaledAndClipped()
{
    // A picture larger than the box is cut, a smaller one keeps its size at the
    // top-left inside the frame, and transparent pixels show the background.
    QImage picture(80, 80, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 80; ++x)
            picture.setPixelColor(x, y, Qt::red);
    PictureBox box;
    box.resize(50, 30);
    box.setBackColor(Qt::yellow);
    box.setPicture(QPixmap::fromImage(picture));
    const int b = box.borderWidth();
    QCOMPARE(b, 2);
    const QImage seen = shot(box);
    QCOMPARE(seen.pixelColor(b, b), QColor(Qt::red));
    QCOMPARE(seen.pixelColor(49 - b, b + 9), QColor(Qt::red));
    QCOMPARE(seen.pixelColor(b, b + 10), QColor(Qt::yellow));
    QVERIFY(seen.pixelColor(49, b + 5) != QColor(Qt::red)); // the frame is not drawn over

    PictureBox copy;
    copy.copyPictureFrom(box);
    QCOMPARE(copy.picture().size(), QSize(80, 80));
}

// A file that cannot be shown leaves the box showing nothing, not the picture
// before; a pipe is not read at all (it would block), and a small file that
// claims a huge picture is refused before it is decoded.
void TestUi::failedLoadEmptiesTheBox_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<PictureBox::Loading>("loading");
    QTest::newRow("not a picture") << "testo.gif" << PictureBox::Loading::NotAPicture;
    QTest::newRow("missing") << "mancante.gif" << PictureBox::Loading::Missing;
    QTest::newRow("a link to a pipe") << "collegamento.gif" << PictureBox::Loading::NotARegularFile;
    QTest::newRow("a huge picture claimed") << "enorme.gif" << PictureBox::Loading::TooLarge;
}

void TestUi::failedLoadEmptiesTheBox()
{
    QFETCH(QString, name);
    QFETCH(PictureBox::Loading, loading);
    QTemporaryDir dir;
    QImage red(40, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(dir.filePath("rosso.png")));
    const auto put = [&](const char *file, const QByteArray &bytes) {
        QFile out(dir.filePath(file));
        return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
    };
    // A GIF of 29 bytes whose header says 7000 x 7000 pixels.
    const QByteArray side("\x58\x1B", 2);
    QVERIFY(put("testo.gif", "GIF89a, ma no") &&
            put("enorme.gif", "GIF89a" + side + side + QByteArray(3, 0) + "," + QByteArray(4, 0) +
                                  side + side + QByteArray("\0\2\2\x4C\x01\0;", 7)));
    QCOMPARE(mkfifo(QFile::encodeName(dir.filePath("tubo.gif")).constData(), 0600), 0);
    QVERIFY(QFile::link(dir.filePath("tubo.gif"), dir.filePath("collegamento.gif")));

    PictureBox box;
    box.resize(50, 30);
    box.setBackColor(Qt::yellow);
    const QImage empty = shot(box);
    QCOMPARE(box.load(dir.filePath("rosso.png")), PictureBox::Loading::Done);
    QVERIFY(shot(box) != empty);
    QCOMPARE(box.load(dir.filePath(name)), loading);
    QCOMPARE(shot(box), empty);
}

QTEST_MAIN(TestUi)
#include "tst_ui.moc"
