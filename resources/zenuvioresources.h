#pragma once

#include <QIcon>
#include <QString>

// The pictures compiled into the program: the start window's sky and the
// program icon. The files kept beside the program ("Clicca.gif",
// "Vuoto.gif", "Aiuto.HLP" and the example figures) are not here; they are
// copied next to the executables and read from the program's folder.
namespace ZenuvioResources {

// 640 x 480 JPEG: blue sky with white clouds, behind the start window.
QString skyPicturePath();
// The icon file with its 32 x 32 and 16 x 16 images in 16 colours.
QString iconFilePath();
// The program icon for windows, built from the 32 x 32 and 16 x 16 PNGs.
QIcon programIcon();

} // namespace ZenuvioResources
