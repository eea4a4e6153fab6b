#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Every message box of the program is shown through here. A test switches on
// recording: the boxes are then noted instead of shown, so no test ever waits
// on a modal dialog. All boxes of the program have the single button OK.
class MessageBox {
public:
    enum class Icon { Information, Warning, Critical };

    struct Shown {
        Icon icon;
        QString title;
        QString text;
    };

    static void show(Icon icon, const QString &title, const QString &text,
                     QWidget *parent = nullptr);

    static void setRecording(bool on);
    static const QList<Shown> &recorded();
    static void clearRecorded();
};
