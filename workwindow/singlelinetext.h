#pragma once

#include <QObject>

class QTextEdit;

// Keeps the Enter key from breaking a problem text into lines: the file holds
// the text on one line, and the box wraps long lines by itself. Enter puts a
// blank instead, so the words on either side never run together. Whatever
// line breaks still come in (pasted text) are written as blanks when the
// problem is saved.
class SingleLineText : public QObject {
    Q_OBJECT

public:
    explicit SingleLineText(QTextEdit *box);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTextEdit *m_box;
};
