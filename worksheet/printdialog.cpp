#include "worksheet.h"

#include <QPrintDialog>
#include <QPrinter>

namespace Worksheet {

namespace {

struct Script {
    bool on = false;
    QString pdfPath;
    int showings = 0;
};

Script &script()
{
    static Script s;
    return s;
}

} // namespace

QString printWithDialog(QWidget *parent, const EditorProblem &problem, const QImage &figure,
                        bool withSolutions, const QString &documentName)
{
    return printWithDialog(
        parent,
        [&](QPagedPaintDevice &device) { return paint(device, problem, figure, withSolutions); },
        documentName.isEmpty() ? QStringLiteral("Scheda") : documentName,
        QStringLiteral("La scheda"));
}

QString printWithDialog(QWidget *parent, const std::function<bool(QPagedPaintDevice &)> &paint,
                        const QString &documentName, const QString &what)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    setPage(printer);
    if (script().on) {
        ++script().showings;
        if (script().pdfPath.isEmpty())
            return {};
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(script().pdfPath);
    } else {
        // The sheet is printed whole: the dialog offers no range of pages.
        QPrintDialog dialog(&printer, parent);
        dialog.setOptions(QAbstractPrintDialog::PrintToFile |
                          QAbstractPrintDialog::PrintShowPageSize |
                          QAbstractPrintDialog::PrintCollateCopies);
        if (dialog.exec() != QDialog::Accepted)
            return {};
    }
    if (!paint(printer)) {
        if (printer.outputFormat() == QPrinter::PdfFormat)
            return QStringLiteral("%1 non è stata stampata: impossibile scrivere il file «%2».")
                .arg(what, printer.outputFileName());
        return QStringLiteral("%1 non è stata stampata: la stampante «%2» non ha accettato la "
                              "stampa.")
            .arg(what, printer.printerName());
    }
    return {};
}

ScriptedPrint::ScriptedPrint(const QString &pdfPath)
{
    script() = {true, pdfPath, 0};
}

ScriptedPrint::~ScriptedPrint()
{
    script() = {};
}

int ScriptedPrint::showings() const
{
    return script().showings;
}

} // namespace Worksheet
