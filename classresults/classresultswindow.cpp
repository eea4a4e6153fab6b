#include "classresultswindow.h"

#include "classcsv.h"
#include "filedialog.h"
#include "messagebox.h"
#include "worksheet.h"

#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

const QString Title = QStringLiteral("Risultati della classe");
// The first day a date box offers stands for "no limit".
const QDate Open(2000, 1, 1);

QDate chosen(const QDateEdit *edit)
{
    return edit->date() == edit->minimumDate() ? QDate() : edit->date();
}

QDateEdit *dateEdit(const char *name, const QString &accessibleName, QWidget *parent)
{
    auto *edit = new QDateEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setAccessibleName(accessibleName);
    edit->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    edit->setCalendarPopup(true);
    edit->setMinimumDate(Open);
    edit->setSpecialValueText(QStringLiteral("tutti i giorni"));
    edit->setDate(Open);
    return edit;
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

} // namespace

ClassResultsWindow::ClassResultsWindow(const QString &folder, QWidget *parent)
    : QWidget(parent, Qt::Window), m_folder(QDir::cleanPath(folder))
{
    setObjectName(QStringLiteral("frmRisultati"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Title);
    resize(1100, 600);

    auto *folderLabel =
        new QLabel(QStringLiteral("Cartella: %1").arg(QDir::toNativeSeparators(m_folder)), this);
    folderLabel->setObjectName(QStringLiteral("lblCartella"));
    folderLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_from = dateEdit("dtDal", QStringLiteral("Dal giorno"), this);
    m_to = dateEdit("dtAl", QStringLiteral("Al giorno"), this);
    auto *fromLabel = new QLabel(QStringLiteral("&Dal:"), this);
    fromLabel->setBuddy(m_from);
    auto *toLabel = new QLabel(QStringLiteral("A&l:"), this);
    toLabel->setBuddy(m_to);
    connect(m_from, &QDateEdit::dateChanged, this, &ClassResultsWindow::datesChanged);
    connect(m_to, &QDateEdit::dateChanged, this, &ClassResultsWindow::datesChanged);

    const struct {
        const char *name;
        const char *caption;
        QKeySequence key;
        void (ClassResultsWindow::*handler)();
    } buttons[] = {
        {"cmdAggiorna", "&Aggiorna", QKeySequence(Qt::Key_F5), &ClassResultsWindow::refresh},
        {"cmdEsporta", "&Esporta CSV...", QKeySequence(QStringLiteral("Ctrl+E")),
         &ClassResultsWindow::exportCsv},
        {"cmdStampa", "&Stampa...", QKeySequence::Print, &ClassResultsWindow::print},
        {"cmdChiudi", "&Chiudi", QKeySequence(Qt::Key_Escape), nullptr},
    };
    auto *bar = new QHBoxLayout;
    bar->addWidget(fromLabel);
    bar->addWidget(m_from);
    bar->addWidget(toLabel);
    bar->addWidget(m_to);
    bar->addStretch();
    for (const auto &b : buttons) {
        auto *button = new QPushButton(QString::fromUtf8(b.caption), this);
        button->setObjectName(QLatin1String(b.name));
        button->setToolTip(button->text().remove(QLatin1Char('&')) + QStringLiteral(" (") +
                           b.key.toString(QKeySequence::NativeText) + QLatin1Char(')'));
        bar->addWidget(button);
        auto *shortcut = new QShortcut(b.key, this);
        if (b.handler) {
            connect(button, &QPushButton::clicked, this, b.handler);
            connect(shortcut, &QShortcut::activated, this, b.handler);
        } else {
            connect(button, &QPushButton::clicked, this, &QWidget::close);
            connect(shortcut, &QShortcut::activated, this, &QWidget::close);
        }
    }

    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setSourceModel(&m_table);
    m_sorted->setSortRole(ClassTable::SortRole);
    m_sorted->setSortLocaleAware(true);
    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("tblRisultati"));
    m_view->setAccessibleName(Title);
    m_view->setModel(m_sorted);
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(ClassTable::PupilColumn, Qt::AscendingOrder);
    m_view->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_view->setTabKeyNavigation(false);
    m_view->setWordWrap(true);
    m_view->horizontalHeader()->setAccessibleName(QStringLiteral("Problemi"));
    m_view->verticalHeader()->setAccessibleName(QStringLiteral("Alunni"));
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_view->horizontalHeader()->setSortIndicatorShown(true);
    fromLabel->setBuddy(m_from);

    m_counts = new QLabel(this);
    m_counts->setObjectName(QStringLiteral("lblTentativi"));
    m_unread = new QLabel(this);
    m_unread->setObjectName(QStringLiteral("lblNonLetti"));
    auto *foot = new QHBoxLayout;
    foot->addWidget(m_counts);
    foot->addStretch();
    foot->addWidget(m_unread);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(folderLabel);
    layout->addLayout(bar);
    layout->addWidget(m_view, 1);
    layout->addLayout(foot);
    setTabOrder(m_view, m_from);

    refresh();
    m_view->setFocus();
}

void ClassResultsWindow::refresh()
{
    m_table.setRecords(readFolder(m_folder));
    showCounts();
    if (!QFileInfo(m_folder).isDir()) {
        MessageBox::show(MessageBox::Icon::Information, Title,
                         QStringLiteral("La cartella «%1» non esiste: non ci sono ancora "
                                        "risultati.")
                             .arg(QDir::toNativeSeparators(m_folder)),
                         this);
    }
}

void ClassResultsWindow::datesChanged()
{
    m_table.setDates(chosen(m_from), chosen(m_to));
    showCounts();
}

void ClassResultsWindow::showCounts()
{
    const int attempts = m_table.attemptCount();
    m_counts->setText(attempts == 1 ? QStringLiteral("1 tentativo di 1 alunno")
                                    : QStringLiteral("%1 tentativi di %2 alunni")
                                          .arg(attempts)
                                          .arg(m_table.pupils().size()));
    m_unread->setText(unreadText(int(m_table.skipped().size())));
    QStringList lines;
    for (const SkippedFile &file : m_table.skipped())
        lines << file.name + QStringLiteral(": ") + AttemptJson::reasonText(file.reason);
    m_unread->setToolTip(lines.join(QLatin1Char('\n')));
    m_unread->setAccessibleDescription(lines.join(QStringLiteral("; ")));
}

void ClassResultsWindow::exportCsv()
{
    FileDialog dialog(this);
    dialog.setFilter(QStringLiteral("CSV (*.csv)|*.csv"));
    dialog.setFileName(QDir(m_folder).filePath(QStringLiteral("Riepilogo.csv")));
    dialog.showSave();
    QString path = dialog.fileName();
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    const QString error = ClassCsv::write(path, m_table);
    if (!error.isEmpty())
        MessageBox::show(MessageBox::Icon::Critical, Title, error, this);
}

void ClassResultsWindow::print()
{
    const QString error = Worksheet::printWithDialog(
        this, [this](QPagedPaintDevice &device) { return paint(device, m_table, m_folder); },
        QStringLiteral("Risultati della classe"), QStringLiteral("La tabella"));
    if (!error.isEmpty())
        MessageBox::show(MessageBox::Icon::Critical, Title, error, this);
}

bool ClassResultsWindow::paint(QPagedPaintDevice &device, const ClassTable &table,
                               const QString &folder)
{
    // Many problems side by side want the page's long side.
    if (table.problems().size() > 3)
        device.setPageOrientation(QPageLayout::Landscape);
    QString html = QStringLiteral("<h2>%1</h2><p>Cartella: %2<br>%3</p>")
                       .arg(Title, escaped(QDir::toNativeSeparators(folder)),
                            escaped(unreadText(int(table.skipped().size()))));
    html += QStringLiteral("<table border='1' cellspacing='0' cellpadding='3' width='100%'><tr>");
    for (int column = 0; column < table.columnCount(); ++column) {
        html += QStringLiteral("<th>%1</th>")
                    .arg(escaped(table.headerData(column, Qt::Horizontal).toString()));
    }
    html += QStringLiteral("</tr>");
    for (int row = 0; row < table.rowCount(); ++row) {
        html += QStringLiteral("<tr>");
        for (int column = 0; column < table.columnCount(); ++column)
            html += QStringLiteral("<td>%1</td>")
                        .arg(escaped(table.index(row, column).data().toString()));
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Arial"), 9));
    document.setHtml(html);
    document.print(&device);
    auto *printer = dynamic_cast<QPrinter *>(&device);
    return !printer || printer->printerState() != QPrinter::Error;
}
