#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Every message box of the program is shown through here. While a test holds
// a Recording, the boxes are noted instead of shown, so no test ever waits on
// a modal dialog. All boxes of the program have the single button OK.
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

    // For tests: from its making to its end, boxes are noted instead of shown.
    class Recording {
    public:
        Recording();
        ~Recording();
        Recording(const Recording &) = delete;
        Recording &operator=(const Recording &) = delete;

        const QList<Shown> &shown() const;
        void clear();
    };
};
