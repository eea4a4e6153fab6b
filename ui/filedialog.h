#pragma once

#include <QString>
#include <memory>

class QWidget;

// Answers a file dialog. The real one shows Qt's file dialog; tests put in one
// that gives scripted answers without showing anything.
class FileDialogBackend {
public:
    virtual ~FileDialogBackend() = default;
    // Gives the chosen file's full path, or an empty text when the user closed
    // the dialog without choosing. `proposed` is the name the dialog offers.
    virtual QString askOpen(QWidget *parent, const QString &proposed,
                            const QString &nameFilter) = 0;
    virtual QString askSave(QWidget *parent, const QString &proposed,
                            const QString &nameFilter) = 0;
};

// A file dialog that remembers its file name between showings, like the
// classic common dialog: the name set or chosen last is proposed next time,
// a cancelled dialog gives back the empty text, and after a file has been
// chosen for opening the current folder is that file's folder.
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

    void showOpen();
    void showSave();

    // The filter as Qt's file dialog takes it: "Zenuvio (*.znv)".
    static QString toNameFilter(const QString &filter);

    // Every FileDialog asks this backend: Qt's file dialog, unless a test
    // holds a BackendOverride.
    static FileDialogBackend &backend();

    // For tests: from its making to its end, every file dialog asks another backend.
    class BackendOverride {
    public:
        explicit BackendOverride(std::shared_ptr<FileDialogBackend> backend);
        ~BackendOverride();
        BackendOverride(const BackendOverride &) = delete;
        BackendOverride &operator=(const BackendOverride &) = delete;

    private:
        std::shared_ptr<FileDialogBackend> m_previous;
    };

private:
    QWidget *m_parent;
    QString m_fileName;
    QString m_filter;
};
