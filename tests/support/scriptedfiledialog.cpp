#include "scriptedfiledialog.h"

QString ScriptedFileDialog::askOpen(QWidget *, const QString &proposed, const QString &nameFilter)
{
    return next(false, proposed, nameFilter);
}

QString ScriptedFileDialog::askSave(QWidget *, const QString &proposed, const QString &nameFilter)
{
    return next(true, proposed, nameFilter);
}

QString ScriptedFileDialog::next(bool forSaving, const QString &proposed, const QString &nameFilter)
{
    m_showings.append({forSaving, proposed, nameFilter});
    // A showing nobody scripted counts as a cancelled dialog.
    return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
}
