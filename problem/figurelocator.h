#pragma once

#include <QString>

// Finds the picture file a problem names as its figure. A problem file gives
// only a bare file name; the picture is looked for in the program's folder
// first, then beside the problem file itself.
namespace FigureLocator {

// False for a name that could lead out of those folders: empty, holding '/',
// '\\' or "..", an absolute path, or a drive letter ("C:...").
bool isSafeName(const QString &name);

// Full path of the existing figure file, or empty when the name is unsafe or
// no such file is found. A name that differs from the file's only in the case
// of its letters (problems written on Windows) is found as well, an exact
// match being preferred.
QString locate(const QString &figureName, const QString &problemFilePath);

// At a save, the figure travels with the problem: when locate() would not
// find it from the problem file's new place, the picture file it was taken
// from (source, a full path) is copied beside the problem file. Gives an empty
// text when the figure will be found, otherwise an Italian notice saying why
// not: another file of that name is found instead, or the copy failed. A
// figure whose source is unknown (not found when the problem was opened) is
// left as it is, without a word.
QString bringAlong(const QString &figureName, const QString &source,
                   const QString &problemFilePath);

} // namespace FigureLocator
