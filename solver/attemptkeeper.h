#pragma once

#include "attemptrecord.h"

#include <QString>

// Where this run keeps the pupil's attempts: one keeper for the whole run,
// shared by every work window the run opens.
//
// A pupil's name (typed on the start window or given with --alunno) turns it
// on; with no name nothing is kept and nothing is asked. Each attempt is one
// new file in the results folder (see AttemptFile). A folder that cannot be
// written is told once a run, in words the pupil's window can show beside the
// hint, and solving goes on as it would with no name.
class AttemptKeeper {
public:
    void setFolder(const QString &folder) { m_folder = folder; }
    QString folder() const { return m_folder; }
    // As typed; blanks around it are not part of the name.
    void setPupil(const QString &name) { m_pupil = name.trimmed(); }
    QString pupil() const { return m_pupil; }
    bool keeps() const { return !m_pupil.isEmpty(); }

    // At the opening of a problem: whether the folder can take a record.
    // Gives the notice to show, the first time only in this run; empty
    // otherwise.
    QString checkFolder();
    // Writes the attempt (none without a pupil's name); gives the notice to show when it could not
    // be written and nothing was told yet in this run.
    QString keep(const AttemptRecord &record);
    // The path of the last record written, for the curious and for tests.
    QString lastWritten() const { return m_lastWritten; }

    // The notice for a folder that cannot be written, with the cause.
    static QString notice(const QString &error);

private:
    QString tellOnce(const QString &error);

    QString m_folder;
    QString m_pupil;
    QString m_lastWritten;
    bool m_checked = false;
    bool m_told = false;
};
