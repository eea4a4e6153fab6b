#pragma once

#include <QAccessible>
#include <QLabel>

class QWidget;

// How the program's own widgets show themselves to assistive technology
// (screen readers and switch access, through AT-SPI on Linux): a picture box
// is a push button that can be pressed, a tab caption a page tab, a window
// marked with setRole a frame or a dialog, a read-only text browser so marked
// a document, and an Announcer a notification, spoken when it is shown.
namespace Accessibility {

// Once, after the application object exists and before any window is built.
void install();

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
