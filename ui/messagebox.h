#pragma once

#include "seam.h"

#include <QString>
#include <QStringList>

class QWidget;

// Every message box of the program is shown through here. While a test holds
// a Recording, the boxes are noted instead of shown, and questions take the
// answers the test scripted, so no test ever waits on a modal dialog.
//
// A notice has the single button OK. A question offers buttons with the
// program's own Italian texts: the last is the one that leaves everything as
// it was, which Escape and the frame's close button choose too; Enter chooses
// the default one, the first unless said otherwise.
class MessageBox {
public:
    enum class Icon { Information, Warning, Critical, Question };

    struct Shown {
        Icon icon;
        QString title;
        QString text;
        QStringList buttons;   // empty for a notice
        int defaultButton = 0; // the one Enter would choose
    };

    static void show(Icon icon, const QString &title, const QString &text,
                     QWidget *parent = nullptr);
    // Gives the index of the button chosen.
    static int ask(Icon icon, const QString &title, const QString &text, const QStringList &buttons,
                   QWidget *parent = nullptr, int defaultButton = 0);

    // For tests: from its making to its end, boxes are noted instead of shown.
    // A seam's guard: recordings nest, the innermost one notes and answers.
    class Recording {
    public:
        Recording() : m_guard(*this) {}

        const QList<Shown> &shown() const { return m_shown; }
        void clear() { m_shown.clear(); }
        // The next question is answered with the button of this text. A
        // question nobody scripted, or whose buttons lack the text, is
        // answered with its last button, which leaves things as they were.
        void answer(const QString &button) { m_answers.append(button); }

    private:
        friend class MessageBox;
        QList<Shown> m_shown;
        QStringList m_answers;
        Seam<Recording>::Guard m_guard;
    };
};
