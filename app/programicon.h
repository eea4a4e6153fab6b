#pragma once

#include <QIcon>

// The program's icon (32 x 32 and 16 x 16), shared by all its windows.
// Empty when the pictures are not among the program's resources.
QIcon programIcon();
