#pragma once

#include <QPointer>
#include <QTextEdit>

// Easy reading's panel: the whole problem text at once, large, upright and
// spaced (EasyReading's font and lines), on a light ground, laid over the
// upper left of its window, where the text, the figure and the data stand.
// It only shows the text: it takes no typing, and its window closes it (F3
// or Esc). A text longer than even the panel holds scrolls, none of it out of
// reach.
class ReadingPanel : public QTextEdit {
    Q_OBJECT

public:
    explicit ReadingPanel(QWidget *parent);

    // Shows the text in the easy-reading form of `usual` over `area` of the
    // window, in front of everything, with the keyboard focus.
    void showOver(const QRect &area, const QString &text, const QFont &usual);
    // The text changed while the panel is open (another problem).
    void setText(const QString &text);
    // Hides the panel; the focus goes back where it was.
    void dismiss();
    bool isOpen() const { return isVisible(); }

private:
    QPointer<QWidget> m_focusBefore;
};
