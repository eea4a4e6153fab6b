#pragma once

#include "classtable.h"

#include <QWidget>

class QDateEdit;
class QLabel;
class QPagedPaintDevice;
class QSortFilterProxyModel;
class QTableView;

// The teacher's look at a results folder: the class table (ClassTable) in a
// real table view, sorted by the column whose header is clicked (or chosen
// with the keyboard), the attempts between two dates, the files that could
// not be read, and the table again from the disk with "Aggiorna" (F5). The
// table goes to a CSV file ("Esporta CSV...", Ctrl+E) and on A4 paper or a PDF
// through the print dialog (Ctrl+P). Esc closes the window.
class ClassResultsWindow : public QWidget {
    Q_OBJECT
public:
    explicit ClassResultsWindow(const QString &folder, QWidget *parent = nullptr);

    void refresh();
    void exportCsv();
    void print();
    // The table as printed, for the print dialog and for tests.
    static bool paint(QPagedPaintDevice &device, const ClassTable &table, const QString &folder);

    const ClassTable &table() const { return m_table; }

private:
    void datesChanged();
    void showCounts();

    QString m_folder;
    ClassTable m_table;
    QSortFilterProxyModel *m_sorted = nullptr;
    QTableView *m_view = nullptr;
    QDateEdit *m_from = nullptr;
    QDateEdit *m_to = nullptr;
    QLabel *m_counts = nullptr;
    QLabel *m_unread = nullptr;
};
