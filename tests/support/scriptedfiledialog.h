#pragma once

#include "filedialog.h"

#include <QStringList>
#include <memory>

// Answers file dialogs from a script: each showing takes the next answer (an
// empty text is a cancelled dialog) and notes what the dialog was asked to show.
class ScriptedFileDialog : public FileDialogBackend {
public:
    using Showing = FileDialogRequest;

    void answer(const QString &path) { m_answers.append(path); }
    const QList<Showing> &showings() const { return m_showings; }
    int pendingAnswers() const { return m_answers.size(); }

    QString ask(QWidget *, const FileDialogRequest &request) override;

private:
    QStringList m_answers;
    QList<Showing> m_showings;
};

// A scripted dialog in front of every file dialog of the program for as long
// as this object lives; the dialogs that were there before come back after it.
class ScriptedDialogs {
public:
    ScriptedDialogs() : m_dialog(std::make_shared<ScriptedFileDialog>()), m_installed(m_dialog) {}
    ScriptedFileDialog *operator->() const { return m_dialog.get(); }

private:
    std::shared_ptr<ScriptedFileDialog> m_dialog;
    FileDialog::BackendOverride m_installed;
};
