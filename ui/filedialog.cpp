#include "filedialog.h"

#include "settings.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace {

class QtFileDialogBackend : public FileDialogBackend {
public:
    QString ask(QWidget *parent, const FileDialogRequest &request) override
    {
        QFileDialog dialog(parent);
        FileDialog::setUp(dialog, request);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
    }
};

bool sameFolder(const QString &one, const QString &other)
{
    return !one.isEmpty() && !other.isEmpty() &&
           QFileInfo(one).canonicalFilePath() == QFileInfo(other).canonicalFilePath();
}

} // namespace

FileDialog::FileDialog(QWidget *parent) : m_parent(parent) {}

QString FileDialog::fileTitle() const
{
    return QFileInfo(m_fileName).fileName();
}

void FileDialog::addShortcut(const QString &folder)
{
    if (!folder.isEmpty())
        m_shortcuts.append(folder);
}

QString FileDialog::startFolder() const
{
    const QFileInfo proposed(m_fileName);
    if (!m_fileName.isEmpty() && proposed.isAbsolute() && proposed.absoluteDir().exists())
        return proposed.absolutePath();
    const QString last = m_settings ? m_settings->value(Setting::LastFolder) : QString();
    if (!last.isEmpty() && QFileInfo(last).isDir() && !sameFolder(last, m_programFolder))
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void FileDialog::show(bool forSaving)
{
    const FileDialogRequest request{forSaving, m_fileName, toNameFilter(m_filter), startFolder(),
                                    m_shortcuts};
    m_fileName = backend().ask(m_parent, request);
    if (!m_fileName.isEmpty() && m_settings)
        m_settings->setValue(Setting::LastFolder, QFileInfo(m_fileName).absolutePath());
}

void FileDialog::showOpen()
{
    show(false);
    if (!m_fileName.isEmpty())
        QDir::setCurrent(QFileInfo(m_fileName).absolutePath());
}

void FileDialog::showSave()
{
    show(true);
}

QString FileDialog::toNameFilter(const QString &filter)
{
    const int bar = filter.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return filter;
    const QString label = filter.left(bar);
    const QString pattern = filter.mid(bar + 1);
    if (label.endsWith(QLatin1Char('(') + pattern + QLatin1Char(')')))
        return label;
    return label + QStringLiteral(" (") + pattern + QLatin1Char(')');
}

void FileDialog::setUp(QFileDialog &dialog, const FileDialogRequest &request)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(request.forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.nameFilter.isEmpty())
        dialog.setNameFilter(request.nameFilter);
    QList<QUrl> sideBar = dialog.sidebarUrls();
    for (const QString &folder : request.shortcuts) {
        const QUrl url = QUrl::fromLocalFile(folder);
        if (!sideBar.contains(url))
            sideBar.append(url);
    }
    dialog.setSidebarUrls(sideBar);
    if (!request.startFolder.isEmpty())
        dialog.setDirectory(request.startFolder);
    if (!request.proposed.isEmpty())
        dialog.selectFile(QFileInfo(request.proposed).fileName());
}

FileDialog::BackendOverride::BackendOverride(std::shared_ptr<FileDialogBackend> backend)
    : m_backend(std::move(backend)), m_guard(*m_backend)
{
}

FileDialogBackend &FileDialog::backend()
{
    static QtFileDialogBackend qtDialog;
    if (FileDialogBackend *scripted = Seam<FileDialogBackend>::replacement())
        return *scripted;
    return qtDialog;
}
