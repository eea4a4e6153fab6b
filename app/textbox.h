#pragma once

#include <QPlainTextEdit>

// A multi-line, read-only text box whose text reads back exactly as it was
// set, line ends included ("\r\n" stays "\r\n"); the editor underneath would
// turn every line end into a paragraph break.
class TextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);

private:
    QString m_text;
};
