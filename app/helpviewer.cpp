#include "helpviewer.h"

#include "accessibility.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QUrl>

HelpViewer::HelpViewer(QWidget *parent) : QTextBrowser(parent)
{
    Accessibility::setRole(this, QAccessible::Document);
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Guida di Zenuvio"));
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setOpenExternalLinks(true);
    resize(640, 480);
}

void HelpViewer::showFileFromStart(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        showMissingFile(path);
        return;
    }
    file.close();

    const QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    if (source() == url)
        reload();
    else
        setSource(url, QTextDocument::HtmlResource);
    m_showsFile = true;
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
}

void HelpViewer::showMissingFile(const QString &path)
{
    m_showsFile = false;
    setHtml(QStringLiteral("<h2>Guida non disponibile</h2>"
                           "<p>Il file della guida non è stato trovato o non si può leggere:</p>"
                           "<p><b>%1</b></p>")
                .arg(QDir::toNativeSeparators(path).toHtmlEscaped()));
}
