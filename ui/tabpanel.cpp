#include "tabpanel.h"

#include "colours.h"

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

void TabPanel::selectTab(int tab)
{
    if (tab == m_current)
        return;
    if (m_current >= 0) {
        m_pages.at(m_current)->setVisible(false);
        m_captions.at(m_current)->update();
    }
    m_current = tab;
    m_captions.at(tab)->setChecked(true);
    m_pages.at(tab)->setVisible(true);
    emit currentTabChanged(tab);
}

void TabPanel::keyPressEvent(QKeyEvent *event)
{
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Right:
        step = 1;
        break;
    case Qt::Key_Up:
        step = -m_tabsPerRow;
        break;
    case Qt::Key_Down:
        step = m_tabsPerRow;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
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
