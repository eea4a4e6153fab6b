// worksheet_pdf FILE.znv OUT.pdf [--soluzioni]
//
// Writes the worksheet of a problem file to a PDF file, with no window, as
// Ctrl+P prints it: the problem, its figure (found in the program's folder or
// beside the problem), blanks for the data and the steps, and with
// --soluzioni a last page with the solutions. Used to look over the sheet and
// by the worksheet's tests.

#include "fonts.h"
#include "problemfile.h"
#include "worksheet.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    // Nothing is shown: no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Fonts::installSubstitutions();
    QTextStream err(stderr);

    QStringList arguments = app.arguments().mid(1);
    const bool withSolutions = arguments.removeAll(QStringLiteral("--soluzioni")) > 0;
    if (arguments.size() != 2) {
        err << "Uso: worksheet_pdf FILE.znv OUT.pdf [--soluzioni]\n";
        return 2;
    }
    const QString &problemPath = arguments.at(0);
    const QString &pdfPath = arguments.at(1);

    const ReadResult<EditorProblem> read = ProblemFile::readForEditor(problemPath);
    if (!read.problem) {
        err << read.error << '\n';
        return 1;
    }
    const Worksheet::Figure figure = Worksheet::loadFigure(read.problem->nomeFigura, problemPath);
    if (!figure.notice.isEmpty())
        err << figure.notice << '\n';
    const QString error = Worksheet::writePdf(pdfPath, *read.problem, figure.image, withSolutions);
    if (!error.isEmpty()) {
        err << error << '\n';
        return 1;
    }
    return 0;
}
