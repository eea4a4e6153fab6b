#pragma once

#include <QPixmap>

// The formula pictures, drawn once per run and device pixel ratio and then
// shared by every work window, so that opening the window stays quick.
namespace FormulaPictures {
QPixmap picture(int number, qreal devicePixelRatio);
}
