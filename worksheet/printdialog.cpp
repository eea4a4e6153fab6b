#include "worksheet.h"

#include "wholefile.h"

#include <QDir>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

namespace Worksheet {

QString printWithDialog(QWidget *parent, const Problem &problem, const QImage &figure,
                        bool withSolutions, const QString &documentName)
{
    return printWithDialog(
        parent,
        [&](QPagedPaintDevice &device) {
            return paint(device, problem, figure, withSolutions, documentName);
        },
        documentName.isEmpty() ? QStringLiteral("Scheda") : documentName,
        QStringLiteral("La scheda"));
}

QString printWithDialog(QWidget *parent, const Painting &paint, const QString &documentName,
                        const QString &what)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    setPage(printer);
    if (ScriptedPrint *script = Seam<ScriptedPrint>::replacement()) {
        const QString pdfPath = script->showDialog();
        if (pdfPath.isEmpty())
            return {};
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
    } else {
        // The sheet is printed whole: the dialog offers no range of pages.
        QPrintDialog dialog(&printer, parent);
        dialog.setOptions(QAbstractPrintDialog::PrintToFile |
                          QAbstractPrintDialog::PrintShowPageSize |
                          QAbstractPrintDialog::PrintCollateCopies);
        if (dialog.exec() != QDialog::Accepted)
            return {};
    }
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        // To a PDF file, the paper is made whole first and then replaces the
        // file: the printer would write it in place without telling of a
        // write the disk refused.
        const QString notPrinted =
            QStringLiteral("%1 non è stata stampata: impossibile scrivere il file «%2»")
                .arg(what, QDir::toNativeSeparators(printer.outputFileName()));
        const QPageLayout layout = printer.pageLayout();
        const QByteArray bytes = pdfBytes(paint, documentName, &layout, printer.resolution());
        if (bytes.isEmpty())
            return notPrinted + QLatin1Char('.');
        const QString reason = WholeFile::write(printer.outputFileName(), bytes);
        if (!reason.isEmpty())
            return notPrinted + QStringLiteral(": ") + reason;
        return {};
    }
    if (!paint(printer))
        return QStringLiteral("%1 non è stata stampata: la stampante «%2» non ha accettato la "
                              "stampa.")
            .arg(what, printer.printerName());
    return {};
}

ScriptedPrint::ScriptedPrint(const QString &pdfPath) : m_pdfPath(pdfPath), m_guard(*this) {}

QString ScriptedPrint::showDialog()
{
    ++m_showings;
    return m_pdfPath;
}

} // namespace Worksheet
