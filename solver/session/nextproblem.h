#pragma once

#include <QString>

// The problem that comes after another in its folder, in the order the open
// dialog lists the folder's problems: by name, numbers in a name by their
// value ("Problema 2" before "Problema 10"), capitals and small letters alike.
namespace NextProblem {

// The full path of the problem file after `path` in path's folder; empty when
// `path` is the last one. `path` itself need not exist any more.
QString after(const QString &path);

} // namespace NextProblem
