#pragma once

#include <QWidget>

class QPushButton;
class TextBox;

// The about window: how to open the help and who made the program. It is
// built anew each time it is opened and deletes itself when closed.
class AboutWindow : public QWidget {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *parent = nullptr);

    // Writes the six lines of the about text into Text1.
    void writeText();
    void okClicked();

private:
    TextBox *m_aboutText;
    QPushButton *m_okButton;
};
