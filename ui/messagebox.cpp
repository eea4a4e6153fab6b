#include "messagebox.h"

#include <QMessageBox>
#include <QPushButton>

namespace {
QMessageBox::Icon toQt(MessageBox::Icon icon)
{
    switch (icon) {
    case MessageBox::Icon::Information:
        return QMessageBox::Information;
    case MessageBox::Icon::Warning:
        return QMessageBox::Warning;
    case MessageBox::Icon::Critical:
        return QMessageBox::Critical;
    case MessageBox::Icon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}
} // namespace

void MessageBox::show(Icon icon, const QString &title, const QString &text, QWidget *parent)
{
    if (Recording *recording = Seam<Recording>::replacement()) {
        recording->m_shown.append({icon, title, text, {}});
        return;
    }
    QMessageBox box(toQt(icon), title, text, QMessageBox::Ok, parent);
    box.exec();
}

int MessageBox::ask(Icon icon, const QString &title, const QString &text,
                    const QStringList &buttons, QWidget *parent, int defaultButton)
{
    const int last = int(buttons.size()) - 1;
    if (Recording *recording = Seam<Recording>::replacement()) {
        recording->m_shown.append({icon, title, text, buttons, defaultButton});
        if (recording->m_answers.isEmpty())
            return last;
        const int chosen = int(buttons.indexOf(recording->m_answers.takeFirst()));
        return chosen < 0 ? last : chosen;
    }
    QMessageBox box(toQt(icon), title, text, QMessageBox::NoButton, parent);
    QList<QPushButton *> pushButtons;
    for (int i = 0; i <= last; ++i) {
        const QMessageBox::ButtonRole role = i == 0      ? QMessageBox::AcceptRole
                                             : i == last ? QMessageBox::RejectRole
                                                         : QMessageBox::DestructiveRole;
        pushButtons.append(box.addButton(buttons.at(i), role));
    }
    if (!pushButtons.isEmpty()) {
        box.setDefaultButton(pushButtons.value(defaultButton, pushButtons.first()));
        box.setEscapeButton(pushButtons.last());
    }
    box.exec();
    const int chosen = int(pushButtons.indexOf(qobject_cast<QPushButton *>(box.clickedButton())));
    return chosen < 0 ? last : chosen;
}
