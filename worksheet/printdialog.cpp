#include "worksheet.h"

#include <QPrintDialog>
#include <QPrinter>

namespace Worksheet {

QString printWithDialog(QWidget *parent, const EditorProblem &problem, const QImage &figure,
                        bool withSolutions, const QString &documentName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName.isEmpty() ? QStringLiteral("Scheda") : documentName);
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
    if (!paint(printer, problem, figure, withSolutions)) {
        if (printer.outputFormat() == QPrinter::PdfFormat)
            return QStringLiteral("La scheda non è stata stampata: impossibile scrivere il file "
                                  "«%1».")
                .arg(printer.outputFileName());
        return QStringLiteral("La scheda non è stata stampata: la stampante «%1» non ha accettato "
                              "la stampa.")
            .arg(printer.printerName());
    }
    return {};
}

ScriptedPrint::ScriptedPrint(const QString &pdfPath) : m_pdfPath(pdfPath), m_guard(*this) {}

QString ScriptedPrint::showDialog()
{
    ++m_showings;
    return m_pdfPath;
}

} // namespace Worksheet
