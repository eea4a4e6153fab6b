// What assistive technology is told about the program's own widgets: their
// roles, names and actions, and the channel hints take besides Qt's own; and
// the tab panel, which shows one page at a time and can be switched off.
#include "accessibility.h"
#include "picturebox.h"
#include "tabpanel.h"

#include <QAccessibleActionInterface>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QtTest>

namespace {

QAccessibleInterface *of(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Accessibility::install(); }

    // Twelve tabs, as the formula panel has them, told as page tabs: a click on
    // a caption or its accessible press shows that page alone. Switched off, the
    // panel takes no click and keeps its tab.
    void tabPanel()
    {
        TabPanel panel(2, 20);
        QList<PictureBox *> boxes;
        for (int i = 0; i < 12; ++i) {
            panel.addTab(QStringLiteral("Scheda %1").arg(i));
            boxes << new PictureBox;
            panel.placeOnPage(i, boxes.last(), QRect(8, 136, 113, 41));
        }
        panel.show();
        if (!QTest::qWaitForWindowExposed(&panel))
            QSKIP("No window can be shown here.");
        const QList<TabCaption *> captions = panel.findChildren<TabCaption *>();
        QCOMPARE(of(&panel)->role(), QAccessible::PageTabList);
        QCOMPARE(of(captions[11])->role(), QAccessible::PageTab);
        QCOMPARE(of(captions[11])->text(QAccessible::Name), "Scheda 11");
        QTest::mouseClick(captions[7], Qt::LeftButton);
        QCOMPARE(panel.currentTab(), 7);
        QVERIFY(of(captions[7])->state().selected && !of(captions[11])->state().selected);
        of(captions[11])->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(panel.currentTab(), 11);
        QVERIFY(!of(captions[7])->state().selected && of(captions[11])->state().selected);
        for (int i = 0; i < boxes.size(); ++i)
            QCOMPARE(boxes[i]->isVisible(), i == 11);
        QSignalSpy clicks(boxes[11], &PictureBox::clicked);
        panel.setSwitchedOn(false);
        QTest::mouseClick(boxes[11], Qt::LeftButton);
        QTest::mouseClick(captions[1], Qt::LeftButton);
        panel.setSwitchedOn(true);
        QCOMPARE(panel.currentTab(), 11);
        QTest::mouseClick(boxes[11], Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
    }

    // Each hint, the same one twice too, also goes through the system's own
    // channel (UI Automation on Windows), named with the announcer's window;
    // Linux has none. What a screen reader speaks is tried with Orca end to end.
    void everyHintGoesThroughTheChannel()
    {
        struct RecordingChannel : AnnouncementChannel {
            QStringList said;
            void announce(QWidget *announcer, const QString &text) override
            {
                said << announcer->window()->objectName() + ": " + text;
            }
        } channel;
        QWidget window;
        window.setObjectName("finestra");
        Announcer announcer(new QWidget(&window));
        AnnouncementChannel *const previous = Accessibility::setAnnouncementChannel(&channel);
        for (const char *hint : {"Errato", "Errato"})
            announcer.announce(hint);
        QCOMPARE(Accessibility::setAnnouncementChannel(previous), &channel);
        announcer.announce("Bravo");
        QCOMPARE(channel.said, QStringList({"finestra: Errato", "finestra: Errato"}));
    }

    // A document given its role keeps its text readable, line by line.
    void documentKeepsItsText()
    {
        QTextBrowser document;
        Accessibility::setRole(&document, QAccessible::Document);
        document.setPlainText("Prima riga.\nSeconda riga.");
        QCOMPARE(of(&document)->role(), QAccessible::Document);
        QAccessibleTextInterface *text = of(&document)->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), "Prima riga.\nSeconda riga.");
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
