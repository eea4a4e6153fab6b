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
// dialog for Ctrl+P.

#include "problemfile.h"

#include <QImage>
#include <QList>
#include <QString>

class QPagedPaintDevice;
class QWidget;

namespace Worksheet {

// The page the sheet is laid out for: A4 portrait with margins of 18 mm.
// writePdf() and printWithDialog() set it; paint() fills whatever page the
// device has.
void setPage(QPagedPaintDevice &device);

// Paints the sheet. The figure may be null (the problem has none, or it could
// not be read); a transparent ground prints white. False when the device
// could not be painted on (a printer that refused the job).
bool paint(QPagedPaintDevice &device, const EditorProblem &problem, const QImage &figure,
           bool withSolutions);

// Writes the sheet to a PDF file, replacing it whole. Gives an empty text on
// success, otherwise an Italian message naming the file.
QString writePdf(const QString &pdfPath, const EditorProblem &problem, const QImage &figure,
                 bool withSolutions);

// Several variants of a problem in one PDF, each from a new page under its
// number ("Variante 1", ...): the pupils' sheets, or the solutions alone.
enum class SetPart { Sheets, Keys };
bool paintSet(QPagedPaintDevice &device, const QList<EditorProblem> &problems, const QImage &figure,
              SetPart part);
QString writeSetPdf(const QString &pdfPath, const QList<EditorProblem> &problems,
                    const QImage &figure, SetPart part);

// Shows Qt's print dialog over the parent window and prints the sheet when the
// user confirms (to a printer or, as the dialog offers, to a PDF file, whose
// name it proposes from documentName, e.g. the problem file's name without
// ".znv"). Gives an empty text when it printed or the user cancelled,
// otherwise an Italian message saying why nothing was printed.
QString printWithDialog(QWidget *parent, const EditorProblem &problem, const QImage &figure,
                        bool withSolutions, const QString &documentName = {});

// For tests: while a ScriptedPrint lives, printWithDialog() shows no dialog.
// It counts the showing and, when the script holds a PDF path, prints to that
// file as if the user had chosen it in the dialog; otherwise it acts as if
// the user had cancelled.
class ScriptedPrint {
public:
    explicit ScriptedPrint(const QString &pdfPath = {});
    ~ScriptedPrint();
    ScriptedPrint(const ScriptedPrint &) = delete;
    ScriptedPrint &operator=(const ScriptedPrint &) = delete;

    int showings() const;
};

// A problem's figure for the sheet: the picture file it names, looked for in
// the program's folder and then beside the problem file. A problem without a
// figure gives a null image and no notice; a figure that cannot be found or
// read gives a null image and an Italian notice saying so.
struct Figure {
    QImage image;
    QString notice;
};
Figure loadFigure(const QString &nomeFigura, const QString &problemPath);

// The problem as the solving reader gives it, for the sheet printed in solving
// mode: a formula field that is not a formula number counts as no formula.
EditorProblem fromSolving(const SolvingProblem &problem);

} // namespace Worksheet
