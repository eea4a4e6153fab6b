#pragma once

#include "problem.h"

#include <QString>

#include <optional>

// A problem file holds one problem as 26 lines, each ended by CR LF, in
// Windows-1252 (a file a teacher saved from a text editor in UTF-8, or in
// UTF-16 with its byte-order mark, is read as well):
//   line 1       the problem text
//   line 2       the figure's bare file name, or empty
//   lines 3-10   data 0..7
//   lines 11-18  formula of steps 0..7: " n " (blank, digits, blank), or empty
//   lines 19-26  result of steps 0..7, with its unit
// Texts are stored exactly as typed (commas, quotes and blanks included).
// Both modes read a file alike and refuse the same files with the same
// message; solving mode refuses besides a problem the pupil could not finish.

constexpr int ProblemLineCount = 26;
// Longest line, in characters, that the reader accepts and the writer writes.
constexpr int ProblemMaxLineLength = 64 * 1024;

// Either a problem, or an Italian message naming the file and what is wrong
// with it. A file that cannot be read whole gives no problem at all.
struct ReadResult {
    std::optional<Problem> problem;
    QString error;
};

namespace ProblemFile {

// What the file dialog offers when a problem is opened or saved.
inline const QString DialogFilter = QStringLiteral("Zenuvio (*.znv)|*.znv");

// The one reader of both modes reads at most the first 26 lines, accept CR LF, LF or CR as the
// line end, and refuse anything but a regular file (a pipe or a device is
// never opened, so it cannot block), a file with fewer lines or with a line
// longer than any real problem holds, a line holding a control character (NUL
// included), and a formula line that is neither empty nor a formula number
// 0..138 (" 06 " is formula 6). The text is Windows-1252, unless the file
// begins with the byte-order mark of UTF-8 or UTF-16, or its lines are UTF-8
// that uses characters beyond ASCII.
ReadResult read(const QString &path);
// As read, and refuses besides a problem the pupil could not finish
// (ProblemFlaws::find decides which): solving mode opens files so.
ReadResult readForSolving(const QString &path);

// Writes the problem whole: the file on disk is either replaced by the new
// problem or left as it was. Returns an empty text when the problem was
// written, otherwise an Italian message saying why not (the cause in Italian
// words: a full disk, a read-only disk, no permission...). A problem holding a
// character that Windows-1252 cannot store, or a control character, is
// refused before the disk is touched, and so is a path that names anything
// but a regular file. Line breaks inside a text are written as blanks.
QString write(const QString &path, const Problem &problem);

// The name the teacher typed in the save dialog, with ".znv" added when it
// has no extension at all; a name with another extension is kept as typed.
QString withExtension(const QString &path);

// The formula number a formula line's field names: plain decimal digits worth
// 0..138, leading zeros allowed ("06" is 6); nothing for anything else.
std::optional<int> formulaNumber(const QString &field);

// The field of a formula line: blanks in front are skipped; the field ends at
// a comma or at the line's end, or, when it opens with a double quote, at the
// closing quote. Blanks around an unquoted field are not part of it.
QString readField(const QString &line);

// The text with each line break (CR LF, LF, CR, U+2028, U+2029) turned into
// one blank, so it fits on one line of the file.
QString toSingleLine(const QString &text);

} // namespace ProblemFile
