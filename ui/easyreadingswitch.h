#pragma once

#include <QFont>
#include <QObject>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>

class QShortcut;
class QTextEdit;
class QWidget;
class ReadingPanel;
class Settings;

// Easy reading of a window's problem text. F3 switches it on, with the whole
// text in the reading panel over the window; with the panel open, F3 switches
// it off. Esc closes the panel and keeps easy reading. Each switch with F3 is
// kept in the settings (Setting::EasyReading), which the next window starts
// from. The text box keeps the easy-reading font and wider lines as its text
// changes.
class EasyReadingSwitch : public QObject {
    Q_OBJECT

public:
    // `panelArea` says where on the window the panel goes when it opens.
    EasyReadingSwitch(QWidget &window, QTextEdit &text, std::function<QRect()> panelArea);

    // Where the switch is kept; none: it is not. Not owned.
    void setSettings(Settings *settings) { m_settings = settings; }
    // The text shown for easy reading, or as usual; not kept.
    void setOn(bool on);
    bool isOn() const { return m_on; }
    // F3.
    void switchOver();
    // While the text box's lines are being spaced, its changes are not the user's.
    bool isSpacing() const { return m_spacingLines; }

signals:
    // The panel opened with the text, for assistive technology and the voice.
    void panelShown(const QString &text);

private:
    void textChanged();
    void spaceLines();
    void showPanel();
    void dismissPanel();
    void remember();

    QTextEdit &m_text;
    std::function<QRect()> m_panelArea;
    ReadingPanel *m_panel;
    QShortcut *m_closePanel;
    Settings *m_settings = nullptr;
    bool m_on = false;
    bool m_spacingLines = false;
    std::optional<QFont> m_usualFont;
};
