#include "readingpanel.h"

#include "colours.h"
#include "easyreading.h"

#include <QApplication>
#include <QTextBlockFormat>
#include <QTextCursor>

ReadingPanel::ReadingPanel(QWidget *parent) : QTextEdit(parent)
{
    setObjectName(QStringLiteral("txtLetturaFacile"));
    setAccessibleName(QStringLiteral("Testo del problema in lettura facile"));
    setReadOnly(true);
    setAcceptRichText(false);
    setUndoRedoEnabled(false);
    setFrameShape(QFrame::Box);
    setLineWidth(2);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, QColor(255, 253, 232)); // a cream ground, easier than white
    pal.setColor(QPalette::Text, Colours::darkBlue);
    setPalette(pal);
    hide();
}

void ReadingPanel::showOver(const QRect &area, const QString &text, const QFont &usual)
{
    QFont font = EasyReading::font(usual);
    font.setPointSizeF(font.pointSizeF() * 1.1);
    setFont(font);
    setGeometry(area);
    setText(text);
    m_focusBefore = QApplication::focusWidget();
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
}

void ReadingPanel::setText(const QString &text)
{
    setPlainText(text);
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat lines;
    lines.setLineHeight(EasyReading::LineHeightPercent, QTextBlockFormat::ProportionalHeight);
    cursor.mergeBlockFormat(lines);
    moveCursor(QTextCursor::Start);
}

void ReadingPanel::dismiss()
{
    if (!isVisible())
        return;
    hide();
    // The focus goes back where it was, when that box is still there.
    if (m_focusBefore && parentWidget() && parentWidget()->isAncestorOf(m_focusBefore))
        m_focusBefore->setFocus(Qt::OtherFocusReason);
    m_focusBefore = nullptr;
}
