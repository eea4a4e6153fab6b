#pragma once

#include "workmode.h"

#include <QString>
#include <QStringList>
#include <optional>

// What the program was asked to do when it was started, read from its
// command line:
//
//     zenuvio                      the start window
//     zenuvio FILE.znv             the problem opened for solving
//     zenuvio --editor [FILE.znv]  the editor, empty or with the problem
//     zenuvio --senza-editor ...   as above, with no "Editor" on the start window
//     zenuvio --pdf FILE.znv OUT.pdf [--soluzioni]
//                                  the worksheet written to a PDF file, no window
//     zenuvio --controlla FILE.znv...
//                                  each problem's key checked, no window
//     zenuvio --risultati [CARTELLA]
//                                  the class's results from a results folder
//     zenuvio --riepilogo CARTELLA OUT.csv
//                                  the class's results written to a CSV file, no window
//     zenuvio --varianti N FILE.znv CARTELLA
//                                  N variants with new numbers and their PDFs, no window
// and, with any of these, --dimensione PERCENTO (the size of the windows),
// --senza-spiegazioni (no explanations beside the verdicts, for a class test),
// --forme-equivalenti (answers judged by value and unit, whatever their form)
// and --leggi-ad-alta-voce (read aloud for this run); --alunno NOME (the
// pupil whose attempts are kept) and --registro CARTELLA (where they go).
//
// Reading is plain code with no window: the answer is a Request, which either
// says what to open or gives the text to print and the exit status (help,
// version, or a mistake in the command line). The options are listed in one
// table in commandline.cpp; a new one is a row there and a field here.
namespace CommandLine {

// Exit status for a command line the program cannot follow.
constexpr int UsageError = 2;

struct Request {
    // The work window to open at once; none for the start window.
    std::optional<WorkMode> mode;
    // The problem to open, as an absolute path (the program changes its
    // current folder once a work window opens).
    QString file;
    // A pupil's machine: the start window offers no "Editor".
    bool hideEditor = false;
    // The size of the windows, in percent; 0 when none was asked for.
    int size = 0;
    bool noExplanations = false;
    bool equivalentForms = false;
    bool readAloud = false;
    // The pupil's name for this run (empty: no attempt is kept), when given.
    std::optional<QString> pupil;
    // The results folder, as an absolute path (--registro, or the folder given
    // to --risultati and --riepilogo); empty: the setting's.
    QString resultsFolder;
    // The worksheet of `file` to write to `pdf` (with its solutions), with no window.
    QString pdf;
    bool withSolutions = false;
    // --controlla: the problems whose key to check, with no window.
    bool checkKeys = false;
    QStringList checkFiles;
    // The "Risultati della classe" window for `resultsFolder` (the one of the
    // settings when empty); with `summary`, the CSV written to `csv` instead.
    bool classResults = false;
    bool summary = false;
    QString csv;
    // --varianti: how many variants of `file` to write into `variantsFolder`
    // (1..99), with no window; 0 when none are asked for.
    int variants = 0;
    QString variantsFolder;

    // Set when the program is to print `output` and end with `exitCode`
    // instead of opening a window; the output goes to stderr on an error.
    bool exits = false;
    int exitCode = 0;
    QString output;
};

// Reads the arguments (the program's name first). `settingHidesEditor` is the
// pupil's-machine line of the settings file: with it, as with --senza-editor,
// "Editor" is hidden and --editor is refused. The translator for Qt's own
// texts (Utilizzo, Opzioni, ...) must already be installed.
Request parse(const QStringList &arguments, bool settingHidesEditor = false);

// The arguments for the program started again at another size the user
// chose, into the start window: without the problem files and the option of a
// mode (--editor, --risoluzione); every other option kept, in its order.
QStringList forRestart(const QStringList &arguments);

// Before the application object exists: whether the program is only to print
// its help or version, or to write a PDF, which never reads the settings.
bool needsNoSettings(int argc, char **argv);

// Before the arguments can be read in full (the application object does not
// exist yet): the size asked for with --dimensione, or 0; and whether a PDF or a key check is
// asked for (or variants), which needs no display.
int sizeAskedFor(int argc, char **argv);
bool asksForPdf(int argc, char **argv);
// Whether --help or --version (-h, -v) is among the arguments: then the
// answer is text alone, given before the window system starts.
bool asksForTextOnly(int argc, char **argv);
// Whether the class's results are asked for as a CSV file, which needs no display.
bool asksForSummary(int argc, char **argv);

} // namespace CommandLine
