#pragma once

#include "seam.h"

#include <QString>
#include <QStringList>
#include <memory>

class QFileDialog;
class Settings;
class QWidget;

// What a file dialog is asked to show.
struct FileDialogRequest {
    bool forSaving = false;
    QString proposed;      // the name the dialog offers (a full path), or empty
    QString nameFilter;    // as Qt's file dialog takes it: "Zenuvio (*.znv)"
    QString startFolder;   // the folder the dialog opens in
    QStringList shortcuts; // folders offered in the dialog's side bar
};

// Answers a file dialog. The real one shows Qt's file dialog; tests put in one
// that gives scripted answers without showing anything.
class FileDialogBackend {
public:
    virtual ~FileDialogBackend() = default;
    // Gives the chosen file's full path, or an empty text when the user closed
    // the dialog without choosing.
    virtual QString ask(QWidget *parent, const FileDialogRequest &request) = 0;
};

// A file dialog that remembers its file name between showings, like the
// classic common dialog: the name set or chosen last is proposed next time,
// a cancelled dialog gives back the empty text, and after a file has been
// chosen for opening the current folder is that file's folder.
//
// A dialog that proposes no name opens in the folder a file was chosen in
// last, in this run or an earlier one (kept in the settings under
// "dialogs/lastFolder", when the dialog is given the settings), or else in the user's documents
// folder; never in the program's own folder, which an installed program cannot write in. The save
// dialog does not ask before replacing a file: the program asks itself, where
// it knows which file is the problem's own.
class FileDialog {
public:
    explicit FileDialog(QWidget *parent = nullptr);

    void setFileName(const QString &name) { m_fileName = name; }
    QString fileName() const { return m_fileName; }
    // The chosen file's name without its folder.
    QString fileTitle() const;

    // One entry, label and pattern joined by a bar: "Zenuvio (*.znv)|*.znv".
    void setFilter(const QString &filter) { m_filter = filter; }
    QString filter() const { return m_filter; }

    // A folder offered in the side bar (none when empty).
    void addShortcut(const QString &folder);
    // Where the folder chosen last is kept; none: it is not kept.
    void setSettings(Settings *settings) { m_settings = settings; }
    // The program's own folder, where the dialog never starts by itself.
    void setProgramFolder(const QString &folder) { m_programFolder = folder; }

    void showOpen();
    void showSave();

    // The folder the next showing opens in.
    QString startFolder() const;

    // The filter as Qt's file dialog takes it: "Zenuvio (*.znv)".
    static QString toNameFilter(const QString &filter);

    // Sets Qt's file dialog up for a request: Qt's own dialog (alike on every
    // desktop), the filter, the starting folder and proposed name, the side
    // bar's shortcuts, and no question of its own before replacing a file.
    static void setUp(QFileDialog &dialog, const FileDialogRequest &request);

    // Every FileDialog asks this backend: Qt's file dialog, unless a test
    // holds a BackendOverride.
    static FileDialogBackend &backend();

    // For tests: from its making to its end, every file dialog asks another
    // backend (a seam's guard: they nest).
    class BackendOverride {
    public:
        explicit BackendOverride(std::shared_ptr<FileDialogBackend> backend);

    private:
        std::shared_ptr<FileDialogBackend> m_backend;
        Seam<FileDialogBackend>::Guard m_guard;
    };

private:
    void show(bool forSaving);

    QWidget *m_parent;
    QString m_fileName;
    QString m_filter;
    QString m_programFolder;
    Settings *m_settings = nullptr;
    QStringList m_shortcuts;
};
