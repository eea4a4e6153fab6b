#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QList>
#include <QWidget>

class QButtonGroup;

// One caption of the tab strip, drawn as a tab.
class TabCaption : public QAbstractButton {
    Q_OBJECT
public:
    explicit TabCaption(const QString &caption, QWidget *parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A tab panel whose captions stand in rows of a fixed number of tabs above one
// page area, as the formula panel needs (twelve tabs in six rows of two). The
// current tab changes when the user clicks a caption or uses the keys
// (the arrows on the focused tab strip, Ctrl+Tab and Ctrl+Shift+Tab anywhere
// in the panel), or when the program brings a tab to the front (showTab). On the boxes of a page
// the arrows move the focus from box to box in reading order. The panel has an on/off switch: while
// it is off it stays in view, drawn disabled, and nothing on it (captions or pages) takes a click.
class TabPanel : public QWidget {
    Q_OBJECT

public:
    TabPanel(int tabsPerRow, int tabHeight, QWidget *parent = nullptr);

    // Adds a tab with its page and gives the tab's index.
    int addTab(const QString &caption);
    int count() const { return m_pages.size(); }
    QWidget *page(int tab) const { return m_pages.at(tab); }
    QString caption(int tab) const;
    int currentTab() const { return m_current; }
    // Brings a tab to the front; a tab that does not exist changes nothing.
    void showTab(int tab);

    // Puts a child widget on a tab's page, at a rectangle given in the panel's
    // own coordinates (the pages start below the caption rows).
    void placeOnPage(int tab, QWidget *child, const QRect &panelRect);

    void setSwitchedOn(bool on);
    bool isSwitchedOn() const { return isEnabled(); }

    // Top of the page area, below the rows of captions.
    int pageTop() const;

    // Gives the focus to the first box of the current page, in reading order;
    // false when it has none that can take it.
    bool focusFirstOnPage();

    void setPageColour(const QColor &colour);
    void setCaptionColour(const QColor &colour);

signals:
    // The user brought another tab to the front.
    void currentTabChanged(int tab);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void selectTab(int tab);
    QList<QWidget *> focusableOnPage() const;
    void layoutChildren();

    int m_tabsPerRow;
    int m_tabHeight;
    int m_current = -1;
    QList<TabCaption *> m_captions;
    QList<QWidget *> m_pages;
    QButtonGroup *m_group;
    QColor m_pageColour;
};
