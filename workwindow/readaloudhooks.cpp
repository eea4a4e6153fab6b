#include "readaloudhooks.h"

#include "readaloud.h"

#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <QTextEdit>

ReadAloudHooks::ReadAloudHooks(ReadAloud &readAloud, QWidget &window, const QTextEdit &problemText,
                               const QList<QWidget *> &typingBoxes)
    : QObject(&window), m_readAloud(readAloud), m_readText(new QShortcut(Qt::Key_F2, &window))
{
    connect(m_readText, &QShortcut::activated, this,
            [this, &problemText] { m_readAloud.readProblemText(problemText.toPlainText()); });
    for (QWidget *box : typingBoxes)
        box->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this, &window](QWidget *, QWidget *now) {
        if (now && now->parent() && window.isAncestorOf(now) &&
            now->objectName().startsWith(QLatin1String("picFormula_")))
            m_readAloud.formulaFocused(now->accessibleDescription());
    });
}

ReadAloudHooks::~ReadAloudHooks()
{
    delete m_readText;
}

bool ReadAloudHooks::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_F2 && key != Qt::Key_F3)
            m_readAloud.typing();
    }
    return QObject::eventFilter(watched, event);
}
