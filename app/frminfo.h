#pragma once

#include <QWidget>

class QPushButton;
class TextBox;

// The about window: how to open the help and who made the program. It is
// built anew each time it is opened and deletes itself when closed.
class frmInfo : public QWidget {
    Q_OBJECT
public:
    explicit frmInfo(QWidget *parent = nullptr);

    // Writes the six lines of the about text into Text1.
    void Form_Load();
    void cmdOK_Click();

private:
    TextBox *m_text1;
    QPushButton *m_cmdOK;
};
