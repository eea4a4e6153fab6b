#pragma once

#include "filedialog.h"

#include <QStringList>
#include <memory>

// Answers file dialogs from a script: each showing takes the next answer (an
// empty text is a cancelled dialog) and notes what the dialog proposed.
class ScriptedFileDialog : public FileDialogBackend {
public:
    struct Showing {
        bool forSaving;
        QString proposed;
        QString nameFilter;
    };

    // Installs a fresh scripted dialog for every FileDialog and returns it.
    static std::shared_ptr<ScriptedFileDialog> install();

    void answer(const QString &path) { m_answers.append(path); }
    const QList<Showing> &showings() const { return m_showings; }
    int pendingAnswers() const { return m_answers.size(); }

    QString askOpen(QWidget *, const QString &proposed, const QString &nameFilter) override;
    QString askSave(QWidget *, const QString &proposed, const QString &nameFilter) override;

private:
    QString next(bool forSaving, const QString &proposed, const QString &nameFilter);

    QStringList m_answers;
    QList<Showing> m_showings;
};
