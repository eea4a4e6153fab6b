// Not a test: solves a problem in the work window and draws the window to PNG
// files at three moments, for looking at it:
//   grab_solving_window <out-dir>
// gives solving-data.png, solving-formula.png and solving-finished.png.
#include "form2.h"
#include "pupil.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QTemporaryDir problems;

    EditorProblem p;
    p.testo = QStringLiteral("Un rettangolo ha la base di 8 cm e l'altezza di 6 cm. "
                             "Calcola il perimetro e l'area.");
    p.nomeFigura = QStringLiteral("Rettangolo.gif");
    p.dati = {QStringLiteral("8 cm"), QStringLiteral("6 cm")};
    p.formule = {9, 6};
    p.risultati = {QStringLiteral("28 cm"), QStringLiteral("48 cm²")};
    const QString path = TestProblems::write(problems.path(), QStringLiteral("rettangolo.znv"), p);

    Pupil pupil;
    const auto grab = [&](const char *name) {
        app.processEvents();
        pupil.form().grab().save(out + QLatin1Char('/') + QLatin1String(name));
    };
    pupil.open(path);
    pupil.typeDato(0, QStringLiteral("8 cm"));
    pupil.typeDato(1, QStringLiteral("6 cm "));
    grab("solving-data.png");
    pupil.typeDato(1, QStringLiteral("6 cm"));
    pupil.clickFormula(9);
    pupil.typeRisultato(0, QStringLiteral("28 cm"));
    grab("solving-formula.png");
    pupil.clickFormula(6);
    pupil.typeRisultato(1, QStringLiteral("48 cm²"));
    grab("solving-finished.png");
    return 0;
}
