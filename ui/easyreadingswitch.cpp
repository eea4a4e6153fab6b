#include "easyreadingswitch.h"

#include "easyreading.h"
#include "readingpanel.h"
#include "settings.h"

#include <QShortcut>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>

EasyReadingSwitch::EasyReadingSwitch(QWidget &window, QTextEdit &text,
                                     std::function<QRect()> panelArea)
    : QObject(&window), m_text(text), m_panelArea(std::move(panelArea)),
      m_panel(new ReadingPanel(&window)), m_closePanel(new QShortcut(Qt::Key_Escape, &window))
{
    auto *f3 = new QShortcut(Qt::Key_F3, &window);
    connect(f3, &QShortcut::activated, this, &EasyReadingSwitch::switchOver);
    m_closePanel->setEnabled(false);
    connect(m_closePanel, &QShortcut::activated, this, &EasyReadingSwitch::dismissPanel);
    connect(&m_text, &QTextEdit::textChanged, this, &EasyReadingSwitch::textChanged);
}

void EasyReadingSwitch::setOn(bool on)
{
    m_on = on;
    if (!m_usualFont)
        m_usualFont = m_text.font();
    m_text.setFont(on ? EasyReading::font(*m_usualFont) : *m_usualFont);
    spaceLines();
}

void EasyReadingSwitch::switchOver()
{
    if (m_panel->isOpen()) {
        dismissPanel();
        setOn(false);
        remember();
        return;
    }
    if (!m_on) {
        setOn(true);
        remember();
    }
    showPanel();
}

void EasyReadingSwitch::remember()
{
    if (m_settings)
        m_settings->setValue(Setting::EasyReading, m_on);
}

// A new text comes with the usual spacing, so the lines are spaced again.
void EasyReadingSwitch::textChanged()
{
    if (m_spacingLines)
        return;
    if (m_on)
        spaceLines();
    if (m_panel->isOpen())
        m_panel->setText(m_text.toPlainText());
}

// Wider lines for easy reading, set on the text as it is now.
void EasyReadingSwitch::spaceLines()
{
    if (m_spacingLines)
        return;
    m_spacingLines = true;
    QTextCursor cursor(m_text.document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat lines;
    lines.setLineHeight(m_on ? EasyReading::LineHeightPercent : 100,
                        QTextBlockFormat::ProportionalHeight);
    cursor.mergeBlockFormat(lines);
    m_spacingLines = false;
}

void EasyReadingSwitch::showPanel()
{
    const QString text = m_text.toPlainText();
    if (text.trimmed().isEmpty())
        return;
    // Easy reading is on by now, so the usual font is known.
    m_panel->showOver(m_panelArea(), text, *m_usualFont);
    m_closePanel->setEnabled(true);
    emit panelShown(text);
}

void EasyReadingSwitch::dismissPanel()
{
    m_panel->dismiss();
    m_closePanel->setEnabled(false);
}
