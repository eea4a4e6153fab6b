#pragma once

// Writes a picture as a GIF89a file: one interlaced frame (plain for pictures
// of three or four rows), a global palette of
// at most 256 colours, and a graphic control extension naming the transparent
// colour when the picture has transparent pixels.
//
// GIF knows only fully opaque and fully transparent pixels: a pixel counts as
// transparent when its alpha is below one half, otherwise it takes its colour
// at full opacity. Pictures with more than 255 colours are mapped onto a
// fixed colour cube.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace GifWriter {

// The GIF file's bytes; empty for a null image or one wider or taller than
// 65535 pixels (the limit of the format).
QByteArray encode(const QImage &image);

// Writes encode(image) to path. Returns an empty text on success, otherwise a
// message in Italian that names the file.
QString write(const QImage &image, const QString &path);

} // namespace GifWriter
