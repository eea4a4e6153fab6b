#pragma once

#include <QString>

// The version text shown beside "Versione": major and minor number in plain
// decimal joined by a full stop, so minor 5 gives "1.5" and never "1.05".
QString versionText(int major, int minor);

// The version text of this build of the program.
QString programVersionText();
