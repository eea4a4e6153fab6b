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
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName.isEmpty() ? QStringLiteral("Scheda") : documentName);
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
    if (!paint(printer, problem, figure, withSolutions, documentName)) {
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
