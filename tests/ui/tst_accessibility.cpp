// What assistive technology is told about the program's own widgets: their
// roles, names and actions, and the hints announced as notifications.
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

    void pictureBoxIsAButtonThatCanBePressed()
    {
        PictureBox box;
        box.setAccessibleName("A = l²");
        box.setAccessibleDescription("A uguale l al quadrato");
        QSignalSpy clicks(&box, &PictureBox::clicked);
        QAccessibleInterface *button = of(&box);
        QCOMPARE(button->role(), QAccessible::PushButton);
        QCOMPARE(button->text(QAccessible::Name), "A = l²");
        QCOMPARE(button->text(QAccessible::Description), "A uguale l al quadrato");
        QAccessibleActionInterface *actions = button->actionInterface();
        QVERIFY(actions &&
                actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks.count(), 0); // the caller has its answer first
        QTRY_COMPARE(clicks.count(), 1);

        // Space and Enter on the focused box are the same click.
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter})
            QTest::keyClick(&box, key);
        QTest::keyClick(&box, Qt::Key_Space, Qt::ControlModifier);
        QCOMPARE(clicks.count(), 4);
    }

    void tabCaptionsArePageTabs()
    {
        TabPanel panel(2, 20);
        panel.resize(200, 200);
        for (const char *caption : {"Quadrato", "Rettangolo", "Rombo"})
            panel.addTab(caption);
        QCOMPARE(of(&panel)->role(), QAccessible::PageTabList);
        const QList<TabCaption *> captions = panel.findChildren<TabCaption *>();
        QCOMPARE(of(captions[2])->role(), QAccessible::PageTab);
        QCOMPARE(of(captions[2])->text(QAccessible::Name), "Rombo");
        QVERIFY(of(captions[0])->state().selected && !of(captions[2])->state().selected);
        of(captions[2])->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(panel.currentTab(), 2);
        QVERIFY(!of(captions[0])->state().selected && of(captions[2])->state().selected);
    }

    // A notification named by its text, for each text, the same one twice too;
    // each also goes through the system's own channel (UI Automation on Windows),
    // named with the announcer's window; Linux has none. (Whether a screen reader
    // speaks it is tried with Orca in the end-to-end test.)
    void everyHintIsAnnouncedRepeatsIncluded()
    {
        struct RecordingChannel : AnnouncementChannel {
            QStringList said;
            void announce(QWidget *announcer, const QString &text) override
            {
                said << announcer->window()->objectName() + ": " + text;
            }
        } channel;
#ifndef Q_OS_WIN
        QCOMPARE(Accessibility::setAnnouncementChannel(nullptr), nullptr);
#endif
        QWidget window;
        window.setObjectName("finestra");
        QWidget panel(&window);
        Announcer announcer(&panel);
        QSignalSpy announced(&announcer, &Announcer::announced);
        QCOMPARE(of(&announcer)->role(), QAccessible::Notification);
        AnnouncementChannel *const previous = Accessibility::setAnnouncementChannel(&channel);
        QStringList names;
        for (const char *hint : {"Bravo", "Errato", "Errato", "Bravo. Hai finito."}) {
            announcer.announce(hint);
            names << of(&announcer)->text(QAccessible::Name);
        }
        QCOMPARE(Accessibility::setAnnouncementChannel(previous), &channel);
        announcer.announce("Errato");
        QCOMPARE(names, QStringList({"Bravo", "Errato", "Errato", "Bravo. Hai finito."}));
        QCOMPARE(announced.count(), 5);
        QVERIFY(announcer.isHidden());
        QCOMPARE(channel.said, QStringList({"finestra: Bravo", "finestra: Errato",
                                            "finestra: Errato", "finestra: Bravo. Hai finito."}));
    }

    // A frame is a window; a document keeps its text readable, line by line.
    void rolesGivenToWindows()
    {
        QTextBrowser frame, document;
        Accessibility::setRole(&frame, QAccessible::Window);
        Accessibility::setRole(&document, QAccessible::Document);
        document.setPlainText("Prima riga.\nSeconda riga.");
        QCOMPARE(of(&frame)->role(), QAccessible::Window);
        QCOMPARE(of(&frame)->textInterface(), nullptr);
        QCOMPARE(of(&document)->role(), QAccessible::Document);
        QAccessibleTextInterface *text = of(&document)->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), "Prima riga.\nSeconda riga.");
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
