#pragma once

#include <QTextBrowser>

// The window that shows the help file. It shows the file from its start, or,
// when the file cannot be read, a note saying so together with its path.
// It does not keep the program running on its own: the program ends when its
// last other window closes, and the viewer goes with it.
class HelpViewer : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget *parent = nullptr);

    void showFileFromStart(const QString &path);
    // False while the viewer shows the note about a missing file.
    bool showsFile() const { return m_showsFile; }

private:
    void showMissingFile(const QString &path);

    bool m_showsFile = false;
};
