#pragma once

#include <QList>
#include <QObject>

class QShortcut;
class QTextEdit;
class QWidget;
class ReadAloud;

// Ties a work window to the program's reading aloud: F2 reads the problem
// text (again: stops), any key typed in the window's boxes but F2 and F3
// stops the reading, and a formula picture that takes the focus is said in
// words.
class ReadAloudHooks : public QObject {
    Q_OBJECT

public:
    // The reading is not owned; it must outlive the window. The window deletes
    // its hooks first when it goes, before its controls.
    ReadAloudHooks(ReadAloud &readAloud, QWidget &window, const QTextEdit &problemText,
                   const QList<QWidget *> &typingBoxes);
    ~ReadAloudHooks() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ReadAloud &m_readAloud;
    QShortcut *m_readText;
};
