#include "filedialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

class QtFileDialogBackend : public FileDialogBackend {
public:
    QString askOpen(QWidget *parent, const QString &proposed, const QString &nameFilter) override
    {
        return ask(parent, proposed, nameFilter, QFileDialog::AcceptOpen);
    }
    QString askSave(QWidget *parent, const QString &proposed, const QString &nameFilter) override
    {
        return ask(parent, proposed, nameFilter, QFileDialog::AcceptSave);
    }

private:
    static QString ask(QWidget *parent, const QString &proposed, const QString &nameFilter,
                       QFileDialog::AcceptMode mode)
    {
        QFileDialog dialog(parent);
        // Qt's own dialog looks and behaves the same on every desktop.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(mode);
        dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                           : QFileDialog::AnyFile);
        if (!nameFilter.isEmpty())
            dialog.setNameFilter(nameFilter);
        if (!proposed.isEmpty()) {
            const QFileInfo info(proposed);
            if (info.isAbsolute())
                dialog.setDirectory(info.absolutePath());
            dialog.selectFile(info.fileName());
        }
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
    }
};

std::shared_ptr<FileDialogBackend> &currentBackend()
{
    static std::shared_ptr<FileDialogBackend> backend;
    return backend;
}

} // namespace

FileDialog::FileDialog(QWidget *parent) : m_parent(parent) {}

QString FileDialog::fileTitle() const
{
    return QFileInfo(m_fileName).fileName();
}

void FileDialog::showOpen()
{
    m_fileName = backend().askOpen(m_parent, m_fileName, toNameFilter(m_filter));
    if (!m_fileName.isEmpty())
        QDir::setCurrent(QFileInfo(m_fileName).absolutePath());
}

void FileDialog::showSave()
{
    m_fileName = backend().askSave(m_parent, m_fileName, toNameFilter(m_filter));
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

FileDialog::BackendOverride::BackendOverride(std::shared_ptr<FileDialogBackend> backend)
    : m_previous(currentBackend())
{
    currentBackend() = std::move(backend);
}

FileDialog::BackendOverride::~BackendOverride()
{
    currentBackend() = std::move(m_previous);
}

FileDialogBackend &FileDialog::backend()
{
    if (!currentBackend())
        currentBackend() = std::make_shared<QtFileDialogBackend>();
    return *currentBackend();
}
