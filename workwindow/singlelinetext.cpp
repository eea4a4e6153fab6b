#include "singlelinetext.h"

#include <QKeyEvent>
#include <QTextEdit>

SingleLineText::SingleLineText(QTextEdit *box) : QObject(box), m_box(box)
{
    box->installEventFilter(this);
}

bool SingleLineText::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_box->insertPlainText(QStringLiteral(" "));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
