#pragma once

#include <QAccessible>
#include <QLabel>

class QWidget;

// How the program's own widgets show themselves to assistive technology
// (screen readers and switch access, through AT-SPI on Linux): a picture box
// is a push button that can be pressed, a tab caption a page tab, a window
// marked with setRole a frame or a dialog, a read-only text browser so marked
// a document, and an Announcer a notification, spoken when it is shown.
// A way, besides Qt's accessibility events, by which announcements reach the
// system's screen readers. On Windows, where Qt's notification role does not
// become a UI Automation notification, it is one raised for the announcer's
// window (UiaRaiseNotificationEvent), which NVDA and Narrator read out.
class AnnouncementChannel {
public:
    virtual ~AnnouncementChannel() = default;
    virtual void announce(QWidget *announcer, const QString &text) = 0;
};

namespace Accessibility {

// Once, after the application object exists and before any window is built.
// On Windows it also opens the UI Automation channel for announcements.
void install();

// The channel every Announcer also speaks through (nullptr: none, as on
// Linux, where AT-SPI reads the notification from Qt's event). Returns the
// channel it replaces; the caller keeps ownership of both.
AnnouncementChannel *setAnnouncementChannel(AnnouncementChannel *channel);

// Gives a widget the role it is to have. Call it first thing in the widget's
// constructor, before the widget has any text: Qt keeps the first interface it
// makes for a widget.
void setRole(QWidget *widget, QAccessible::Role role);

} // namespace Accessibility

// A label that is never seen and only speaks: each text given to announce()
// reaches assistive technology as a notification that screen readers read out
// at once, the same text twice in a row included, while the focus stays where
// it is. One text per act: a second one at once would cut the first short.
class Announcer : public QLabel {
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);
    void announce(const QString &text);

signals:
    // Every text announced, for whatever else tells the user (read aloud).
    void announced(const QString &text);
};
