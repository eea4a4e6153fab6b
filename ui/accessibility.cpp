#include "accessibility.h"

#include "picturebox.h"
#include "tabpanel.h"
#ifdef Q_OS_WIN
#include "uianotification.h"
#endif

#include <QAccessibleWidget>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

#include <utility>

namespace {

const char RoleProperty[] = "zenuvioAccessibleRole";

AnnouncementChannel *&announcementChannel()
{
    static AnnouncementChannel *channel = nullptr;
    return channel;
}

// A press action that clicks the widget once the caller has its answer: a
// click that opens a modal dialog must not keep the screen reader waiting.
template <class Widget> class PressableAccessible : public QAccessibleWidget {
public:
    PressableAccessible(Widget *widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &name) override
    {
        if (name == pressAction())
            QMetaObject::invokeMethod(static_cast<Widget *>(widget()), &Widget::click,
                                      Qt::QueuedConnection);
        else
            QAccessibleWidget::doAction(name);
    }
    QStringList keyBindingsForAction(const QString &name) const override
    {
        if (name == pressAction())
            return {QStringLiteral("space")};
        return QAccessibleWidget::keyBindingsForAction(name);
    }
};

class TabCaptionAccessible : public PressableAccessible<QAbstractButton> {
public:
    explicit TabCaptionAccessible(TabCaption *caption)
        : PressableAccessible(caption, QAccessible::PageTab)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<TabCaption *>(widget())->text();
        return PressableAccessible::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = PressableAccessible::state();
        s.selectable = true;
        s.selected = static_cast<TabCaption *>(widget())->isChecked();
        return s;
    }
};

class AnnouncerAccessible : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(Announcer *announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

// A read-only text browser as a document whose text a screen reader can read
// line by line. Qt's own text interface for the browser is not public, so the
// text is offered here from the browser's document and cursor.
class DocumentAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit DocumentAccessible(QTextBrowser *browser)
        : QAccessibleWidget(browser, QAccessible::Document)
    {
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.multiLine = true;
        return s;
    }
    QString text(QAccessible::Text t) const override { return QAccessibleWidget::text(t); }

    void selection(int, int *start, int *end) const override
    {
        const QTextCursor cursor = browser()->textCursor();
        *start = cursor.selectionStart();
        *end = cursor.selectionEnd();
    }
    int selectionCount() const override { return browser()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override
    {
        QTextCursor cursor = browser()->textCursor();
        cursor.clearSelection();
        browser()->setTextCursor(cursor);
    }
    void setSelection(int, int start, int end) override
    {
        QTextCursor cursor = browser()->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        browser()->setTextCursor(cursor);
    }
    int cursorPosition() const override { return browser()->textCursor().position(); }
    void setCursorPosition(int position) override
    {
        QTextCursor cursor = browser()->textCursor();
        cursor.setPosition(qBound(0, position, characterCount()));
        browser()->setTextCursor(cursor);
    }
    QString text(int start, int end) const override { return plain().mid(start, end - start); }
    int characterCount() const override { return int(plain().size()); }
    QRect characterRect(int offset) const override
    {
        QTextCursor cursor(browser()->document());
        cursor.setPosition(qBound(0, offset, characterCount()));
        QRect r = browser()->cursorRect(cursor);
        r.moveTopLeft(browser()->viewport()->mapToGlobal(r.topLeft()));
        return r;
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return browser()->cursorForPosition(browser()->viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int start, int) override
    {
        setCursorPosition(start);
        browser()->ensureCursorVisible();
    }
    QString attributes(int offset, int *start, int *end) const override
    {
        *start = offset;
        *end = offset + 1;
        return {};
    }

private:
    QTextBrowser *browser() const { return static_cast<QTextBrowser *>(widget()); }
    // Paragraphs end with U+2029 in the document; assistive technology wants '\n'.
    QString plain() const
    {
        QString text = browser()->document()->toPlainText();
        text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        return text;
    }
};

QAccessibleInterface *makeInterface(const QString &, QObject *object)
{
    if (auto *box = qobject_cast<PictureBox *>(object))
        return new PressableAccessible<PictureBox>(box, QAccessible::PushButton);
    if (auto *caption = qobject_cast<TabCaption *>(object))
        return new TabCaptionAccessible(caption);
    if (auto *announcer = qobject_cast<Announcer *>(object))
        return new AnnouncerAccessible(announcer);
    if (auto *panel = qobject_cast<TabPanel *>(object))
        return new QAccessibleWidget(panel, QAccessible::PageTabList);
    auto *widget = qobject_cast<QWidget *>(object);
    const QVariant role = widget ? widget->property(RoleProperty) : QVariant();
    if (!role.isValid())
        return nullptr;
    auto *browser = qobject_cast<QTextBrowser *>(widget);
    if (browser && role.toInt() == QAccessible::Document)
        return new DocumentAccessible(browser);
    return new QAccessibleWidget(widget, QAccessible::Role(role.toInt()));
}

} // namespace

namespace Accessibility {

void install()
{
    QAccessible::installFactory(makeInterface);
#ifdef Q_OS_WIN
    static UiaNotificationChannel uiAutomation;
    setAnnouncementChannel(&uiAutomation);
#endif
}

AnnouncementChannel *setAnnouncementChannel(AnnouncementChannel *channel)
{
    return std::exchange(announcementChannel(), channel);
}

void setRole(QWidget *widget, QAccessible::Role role)
{
    widget->setProperty(RoleProperty, int(role));
}

} // namespace Accessibility

Announcer::Announcer(QWidget *parent) : QLabel(parent)
{
    hide();
}

void Announcer::announce(const QString &text)
{
    setText(text);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    if (AnnouncementChannel *channel = announcementChannel())
        channel->announce(this, text);
    emit announced(text);
}
