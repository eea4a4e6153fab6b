#include "worksheet.h"

#include "wholefile.h"

#include <QDir>
#include <QPageLayout>
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
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        // To a PDF file, the sheet is made whole first and then replaces the
        // file: the printer would write it in place without telling of a
        // write the disk refused.
        const QString notPrinted =
            QStringLiteral("La scheda non è stata stampata: impossibile scrivere il file «%1»")
                .arg(QDir::toNativeSeparators(printer.outputFileName()));
        const QPageLayout layout = printer.pageLayout();
        const QByteArray bytes =
            pdfBytes(problem, figure, withSolutions, documentName, &layout,
                     printer.resolution());
        if (bytes.isEmpty())
            return notPrinted + QLatin1Char('.');
        const QString reason = WholeFile::write(printer.outputFileName(), bytes);
        if (!reason.isEmpty())
            return notPrinted + QStringLiteral(": ") + reason;
        return {};
    }
    if (!paint(printer, problem, figure, withSolutions, documentName))
        return QStringLiteral("La scheda non è stata stampata: la stampante «%1» non ha accettato "
                              "la stampa.")
            .arg(printer.printerName());
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
