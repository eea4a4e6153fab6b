#include "tabpanel.h"

#include "colours.h"

#include <QApplication>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionTab>
#include <QStylePainter>

TabCaption::TabCaption(const QString &caption, QWidget *parent) : QAbstractButton(parent)
{
    setText(caption);
    setCheckable(true);
    // The panel takes the focus as a whole; the arrow keys then change the tab.
    setFocusPolicy(Qt::NoFocus);
}

QSize TabCaption::sizeHint() const
{
    return QSize(fontMetrics().horizontalAdvance(text()) + 12, fontMetrics().height() + 6);
}

void TabCaption::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionTab option;
    option.initFrom(this);
    option.shape = QTabBar::RoundedNorth;
    option.text = QString();
    option.position = QStyleOptionTab::Middle;
    option.rect = rect();
    if (isChecked())
        option.state |= QStyle::State_Selected;
    else
        option.rect.adjust(0, 2, 0, 0);
    painter.drawControl(QStyle::CE_TabBarTabShape, option);

    // The caption itself, in the caption colour (grey while the panel is off).
    const QColor ink = isEnabled() ? palette().color(QPalette::ButtonText)
                                   : palette().color(QPalette::Disabled, QPalette::ButtonText);
    painter.setPen(ink);
    painter.drawText(option.rect, Qt::AlignCenter, text());
    if (isChecked() && parentWidget() && parentWidget()->hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = option.rect.adjusted(3, 3, -3, -3);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

TabPanel::TabPanel(int tabsPerRow, int tabHeight, QWidget *parent)
    : QWidget(parent), m_tabsPerRow(tabsPerRow), m_tabHeight(tabHeight),
      m_group(new QButtonGroup(this)), m_pageColour(palette().color(QPalette::Window))
{
    setFocusPolicy(Qt::TabFocus);
    m_group->setExclusive(true);
    connect(m_group, &QButtonGroup::idClicked, this, &TabPanel::selectTab);
}

int TabPanel::addTab(const QString &caption)
{
    const int index = m_pages.size();
    auto *tab = new TabCaption(caption, this);
    tab->setAccessibleName(caption);
    m_group->addButton(tab, index);
    m_captions.append(tab);

    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("page_%1").arg(index));
    page->setVisible(false);
    m_pages.append(page);

    if (m_current < 0)
        selectTab(index);
    layoutChildren();
    return index;
}

QString TabPanel::caption(int tab) const
{
    return m_captions.at(tab)->text();
}

void TabPanel::placeOnPage(int tab, QWidget *child, const QRect &panelRect)
{
    child->setParent(m_pages.at(tab));
    child->setGeometry(panelRect.translated(0, -pageTop()));
    child->show();
}

void TabPanel::setSwitchedOn(bool on)
{
    setEnabled(on);
}

int TabPanel::pageTop() const
{
    const int rows = (m_pages.size() + m_tabsPerRow - 1) / m_tabsPerRow;
    return rows * m_tabHeight;
}

void TabPanel::setPageColour(const QColor &colour)
{
    m_pageColour = colour;
    update();
}

void TabPanel::setCaptionColour(const QColor &colour)
{
    for (TabCaption *tab : std::as_const(m_captions)) {
        QPalette pal = tab->palette();
        pal.setColor(QPalette::Active, QPalette::ButtonText, colour);
        pal.setColor(QPalette::Inactive, QPalette::ButtonText, colour);
        pal.setColor(QPalette::Disabled, QPalette::ButtonText, Colours::dimmedInk);
        tab->setPalette(pal);
    }
}

void TabPanel::showTab(int tab)
{
    if (tab >= 0 && tab < count())
        selectTab(tab);
}

void TabPanel::selectTab(int tab)
{
    if (tab == m_current)
        return;
    // The focus on a box of the page going away moves to the new page.
    const bool focusOnPage = m_current >= 0 && QApplication::focusWidget() &&
                             m_pages.at(m_current)->isAncestorOf(QApplication::focusWidget());
    if (m_current >= 0) {
        m_pages.at(m_current)->setVisible(false);
        m_captions.at(m_current)->update();
    }
    m_current = tab;
    m_captions.at(tab)->setChecked(true);
    m_pages.at(tab)->setVisible(true);
    emit currentTabChanged(tab);
    if (focusOnPage)
        focusFirstOnPage();
}

QList<QWidget *> TabPanel::focusableOnPage() const
{
    QList<QWidget *> boxes;
    if (m_current < 0)
        return boxes;
    for (QWidget *child : m_pages.at(m_current)->findChildren<QWidget *>()) {
        if (child->isVisibleTo(this) && child->isEnabled() && (child->focusPolicy() & Qt::TabFocus))
            boxes << child;
    }
    // Reading order: row by row from the top, left to right within a row.
    std::sort(boxes.begin(), boxes.end(), [](QWidget *a, QWidget *b) {
        const QPoint pa = a->pos(), pb = b->pos();
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    return boxes;
}

bool TabPanel::focusFirstOnPage()
{
    const QList<QWidget *> boxes = focusableOnPage();
    if (boxes.isEmpty())
        return false;
    boxes.first()->setFocus(Qt::TabFocusReason);
    return true;
}

void TabPanel::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    // Ctrl+Tab and Ctrl+Shift+Tab bring the next or the previous tab to the
    // front, wherever the focus is in the panel.
    if ((event->modifiers() & Qt::ControlModifier) &&
        (key == Qt::Key_Tab || key == Qt::Key_Backtab)) {
        const bool back = key == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier);
        selectTab((m_current + (back ? count() - 1 : 1)) % count());
        return;
    }
    int step = 0;
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        step = -1;
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        step = 1;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    // On a box of the page the arrows go from box to box in reading order.
    QWidget *focused = QApplication::focusWidget();
    if (focused && focused != this && isAncestorOf(focused)) {
        const QList<QWidget *> boxes = focusableOnPage();
        const int at = boxes.indexOf(focused);
        if (at >= 0 && at + step >= 0 && at + step < boxes.size())
            boxes.at(at + step)->setFocus(Qt::TabFocusReason);
        return;
    }
    // On the tab strip they change the tab: left and right along a row, up
    // and down from row to row.
    if (key == Qt::Key_Up || key == Qt::Key_Down)
        step *= m_tabsPerRow;
    const int target = m_current + step;
    if (target >= 0 && target < count())
        selectTab(target);
}

void TabPanel::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    if (m_current >= 0)
        m_captions.at(m_current)->update();
}

void TabPanel::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    if (m_current >= 0)
        m_captions.at(m_current)->update();
}

void TabPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutChildren();
}

void TabPanel::layoutChildren()
{
    const int tabWidth = width() / m_tabsPerRow;
    for (int i = 0; i < m_captions.size(); ++i) {
        const int row = i / m_tabsPerRow;
        const int column = i % m_tabsPerRow;
        // The last tab of a row takes what the division leaves over.
        const int w = column == m_tabsPerRow - 1 ? width() - column * tabWidth : tabWidth;
        m_captions.at(i)->setGeometry(column * tabWidth, row * m_tabHeight, w, m_tabHeight);
    }
    const QRect pageRect(0, pageTop(), width(), height() - pageTop());
    for (QWidget *page : std::as_const(m_pages))
        page->setGeometry(pageRect);
}

void TabPanel::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    const QRect pageRect(0, pageTop(), width(), height() - pageTop());
    QStyleOptionTabWidgetFrame option;
    option.initFrom(this);
    option.rect = pageRect;
    option.shape = QTabBar::RoundedNorth;
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, option);
    painter.fillRect(pageRect.adjusted(2, 2, -2, -2), m_pageColour);
}
