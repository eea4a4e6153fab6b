#include "scriptedfiledialog.h"

QString ScriptedFileDialog::ask(QWidget *, const FileDialogRequest &request)
{
    m_showings.append(request);
    // A showing nobody scripted counts as a cancelled dialog.
    return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
}
