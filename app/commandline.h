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

} // namespace CommandLine
