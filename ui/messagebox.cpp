#include "messagebox.h"

#include <QMessageBox>

namespace {
struct Recorder {
    bool on = false;
    QList<MessageBox::Shown> shown;
};

Recorder &recorder()
{
    static Recorder r;
    return r;
}

QMessageBox::Icon toQt(MessageBox::Icon icon)
{
    switch (icon) {
    case MessageBox::Icon::Information:
        return QMessageBox::Information;
    case MessageBox::Icon::Warning:
        return QMessageBox::Warning;
    case MessageBox::Icon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}
} // namespace

void MessageBox::show(Icon icon, const QString &title, const QString &text, QWidget *parent)
{
    if (recorder().on) {
        recorder().shown.append({icon, title, text});
        return;
    }
    QMessageBox box(toQt(icon), title, text, QMessageBox::Ok, parent);
    box.exec();
}

MessageBox::Recording::Recording()
{
    recorder().on = true;
    recorder().shown.clear();
}

MessageBox::Recording::~Recording()
{
    recorder().on = false;
    recorder().shown.clear();
}

const QList<MessageBox::Shown> &MessageBox::Recording::shown() const
{
    return recorder().shown;
}

void MessageBox::Recording::clear()
{
    recorder().shown.clear();
}
