// The small layers the work window stands on: the file dialog with its
// remembered name, the tab panel with its on/off switch, and the picture box.
#include "filedialog.h"
#include "picturebox.h"
#include "scriptedfiledialog.h"
#include "tabpanel.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestPlatformLayers : public QObject {
    Q_OBJECT

private slots:
    void dialogAnswers_data();
    void dialogAnswers();
    void openMovesTheCurrentFolder();
    void tabCaptionsStandInRowsOfTwo();
    void switchedOffPanelTakesNoClickAndKeepsTheTab();
    void pictureDrawnUnscaledAndClipped();
};

void TestPlatformLayers::dialogAnswers_data()
{
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("expectedName");
    QTest::addColumn<QString>("expectedTitle");
    QTest::newRow("chosen") << ""
                            << "/tmp/a/Problema uno.znv"
                            << "/tmp/a/Problema uno.znv"
                            << "Problema uno.znv";
    QTest::newRow("cancelled with a proposal") << "/tmp/a/vecchio.znv"
                                               << ""
                                               << ""
                                               << "";
    QTest::newRow("cancelled without") << ""
                                       << ""
                                       << ""
                                       << "";
}

void TestPlatformLayers::dialogAnswers()
{
    QFETCH(QString, preset);
    QFETCH(QString, answer);
    QFETCH(QString, expectedName);
    QFETCH(QString, expectedTitle);
    auto script = ScriptedFileDialog::install();
    script->answer(answer);

    FileDialog dialog;
    dialog.setFileName(preset);
    dialog.setFilter("Zenuvio (*.znv)|*.znv");
    dialog.showSave();
    QCOMPARE(dialog.fileName(), expectedName);
    QCOMPARE(dialog.fileTitle(), expectedTitle);
    QCOMPARE(script->showings().size(), 1);
    QCOMPARE(script->showings()[0].proposed, preset);
    QVERIFY(script->showings()[0].forSaving);

    // The name stays for the next showing, which proposes it.
    script->answer(QString());
    dialog.showSave();
    QCOMPARE(script->showings()[1].proposed, expectedName);
}

void TestPlatformLayers::openMovesTheCurrentFolder()
{
    QTemporaryDir folder;
    const QString chosen = folder.filePath("figura.gif");
    auto script = ScriptedFileDialog::install();
    script->answer(chosen);
    const QString before = QDir::currentPath();
    FileDialog dialog;
    dialog.showOpen();
    QCOMPARE(QDir::currentPath(), QDir(folder.path()).canonicalPath());
    QCOMPARE(dialog.fileTitle(), QStringLiteral("figura.gif"));
    QDir::setCurrent(before);
}

void TestPlatformLayers::tabCaptionsStandInRowsOfTwo()
{
    TabPanel panel(2, 20);
    panel.resize(299, 543);
    for (int i = 0; i < 12; ++i)
        panel.addTab(QStringLiteral("Tab %1").arg(i));
    QCOMPARE(panel.pageTop(), 120);
    const auto captions = panel.findChildren<TabCaption *>();
    QCOMPARE(captions.size(), 12);
    for (int i = 0; i < 12; ++i) {
        const QRect r = captions[i]->geometry();
        QCOMPARE(r.top(), (i / 2) * 20);
        QCOMPARE(r.left() == 0, i % 2 == 0);
        QCOMPARE(captions[i]->text(), QStringLiteral("Tab %1").arg(i));
    }
    QCOMPARE(panel.currentTab(), 0);
    QVERIFY(panel.page(0)->isVisibleTo(&panel));
    QVERIFY(!panel.page(1)->isVisibleTo(&panel));
}

void TestPlatformLayers::switchedOffPanelTakesNoClickAndKeepsTheTab()
{
    TabPanel panel(2, 20);
    panel.resize(299, 543);
    for (int i = 0; i < 4; ++i)
        panel.addTab(QStringLiteral("Tab %1").arg(i));
    auto *box = new PictureBox;
    panel.placeOnPage(3, box, QRect(8, 136, 113, 41));
    QSignalSpy clicks(box, &PictureBox::clicked);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));

    const auto captions = panel.findChildren<TabCaption *>();
    QTest::mouseClick(captions[3], Qt::LeftButton);
    QCOMPARE(panel.currentTab(), 3);
    QVERIFY(box->isVisible());
    QCOMPARE(box->geometry().top() + panel.pageTop(), 136);

    panel.setSwitchedOn(false);
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::mouseClick(captions[1], Qt::LeftButton);
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(panel.currentTab(), 3);

    panel.setSwitchedOn(true);
    QCOMPARE(panel.currentTab(), 3);
    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
}

void TestPlatformLayers::pictureDrawnUnscaledAndClipped()
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
    const QImage shot = box.grab().toImage();
    QCOMPARE(shot.pixelColor(b, b), QColor(Qt::red));
    QCOMPARE(shot.pixelColor(49 - b, b + 9), QColor(Qt::red));
    QCOMPARE(shot.pixelColor(b, b + 10), QColor(Qt::yellow));
    QCOMPARE(shot.pixelColor(49, 29) == QColor(Qt::red), false);

    PictureBox copy;
    copy.copyPictureFrom(box);
    QCOMPARE(copy.picture().size(), QSize(80, 80));
    copy.clearPicture();
    QVERIFY(!copy.hasPicture());
}

QTEST_MAIN(TestPlatformLayers)
#include "tst_platformlayers.moc"
