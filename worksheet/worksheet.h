#pragma once

// The worksheet: a problem printed on A4 paper for homework. The first page
// (or pages, for a long problem) holds the problem text, the figure, "Dati"
// with a blank line for each datum, and "Formule e risultati" with, for each
// step, an empty box for the formula and "= ________" for its result. When
// asked, a last page "Soluzioni" gives the data values and each step's
// formula, drawn as text and lines as the formula panel shows it, with its
// result. The data end at the first empty datum and the steps at the first
// empty result, as a pupil meets them.
//
// paint() draws on any paged device; writePdf() and printWithDialog() are
// the two ways the program uses it: a PDF file with no window, and Qt's print
// dialog for Ctrl+P. The figure comes read already (ProblemFigure::load).

#include "problemfile.h"
#include "seam.h"

#include <QImage>
#include <QList>
#include <QString>

#include <functional>

class QPageLayout;
class QPagedPaintDevice;
class QWidget;

namespace Worksheet {

// The page the sheet is laid out for: A4 portrait with margins of 18 mm.
// writePdf() and printWithDialog() set it; paint() fills whatever page the
// device has.
void setPage(QPagedPaintDevice &device);

// Paints the sheet. The figure may be null (the problem has none, or it could
// not be read); a transparent ground prints white. The page of solutions is
// headed with the problem's name when it has one (the file's name without
// ".znv"). False when the device could not be painted on (a printer that
// refused the job).
bool paint(QPagedPaintDevice &device, const Problem &problem, const QImage &figure,
           bool withSolutions, const QString &name = {});

// Draws a paper of the program on a paged device and says whether it could.
using Painting = std::function<bool(QPagedPaintDevice &)>;

// Any paper as the bytes of a PDF file, titled `title` and laid out on the
// page given (A4 with the sheet's margins unless told otherwise); empty when
// it could not be painted. The file is made in memory first, since the PDF
// writer does not tell of a write that failed.
QByteArray pdfBytes(const Painting &paint, const QString &title,
                    const QPageLayout *layout = nullptr, int resolution = 0);

// The sheet as the bytes of a PDF file, titled with the problem's name and
// laid out on the page given (A4 with the sheet's margins unless told
// otherwise); empty when it could not be painted.
QByteArray pdfBytes(const Problem &problem, const QImage &figure, bool withSolutions,
                    const QString &name = {}, const QPageLayout *layout = nullptr,
                    int resolution = 0);

// Writes the sheet to a PDF file, titled with the problem's name, replacing it
// whole: the old file stays as it was unless the new one was written to the
// end. Gives an empty text on success, otherwise an Italian message naming the
// file and why.
QString writePdf(const QString &pdfPath, const Problem &problem, const QImage &figure,
                 bool withSolutions, const QString &name = {});

// Several variants of a problem in one PDF, each from a new page under its
// number ("Variante 1", ...): the pupils' sheets, or the solutions alone.
enum class SetPart { Sheets, Keys };
bool paintSet(QPagedPaintDevice &device, const QList<Problem> &problems, const QImage &figure,
              SetPart part);
QString writeSetPdf(const QString &pdfPath, const QList<Problem> &problems, const QImage &figure,
                    SetPart part);

// Shows Qt's print dialog over the parent window and prints the sheet when the
// user confirms (to a printer or, as the dialog offers, to a PDF file, whose
// name it proposes from documentName, the problem's name: the problem file's
// name without ".znv"; the job and the PDF are titled with it, and the page of
// solutions names it). Gives an empty text when it printed or the user cancelled,
// otherwise an Italian message saying why nothing was printed. Printed to a
// PDF file, the sheet replaces the file only once it was written whole.
QString printWithDialog(QWidget *parent, const Problem &problem, const QImage &figure,
                        bool withSolutions, const QString &documentName = {});

// The same dialog for any other paper of the program: `paint` draws on the
// printer (A4 portrait, as setPage() leaves it, unless it changes it) and says
// whether it could. `what` names the paper in the message ("La tabella").
QString printWithDialog(QWidget *parent, const Painting &paint, const QString &documentName,
                        const QString &what);

// For tests: while a ScriptedPrint lives, printWithDialog() shows no dialog.
// It counts the showing and, when the script holds a PDF path, prints to that
// file as if the user had chosen it in the dialog; otherwise it acts as if
// the user had cancelled. A seam's guard: scripts nest, the innermost answers.
class ScriptedPrint {
public:
    explicit ScriptedPrint(const QString &pdfPath = {});

    int showings() const { return m_showings; }
    // The dialog shown: the PDF file chosen, or empty for a cancel.
    QString showDialog();

private:
    QString m_pdfPath;
    int m_showings = 0;
    Seam<ScriptedPrint>::Guard m_guard;
};

} // namespace Worksheet
