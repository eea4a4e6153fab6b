#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the single-byte code page of the problem files. Every byte
// has a character: 0x80..0x9F hold the typographic signs (€ ‚ ƒ „ … † ‡ ˆ ‰ Š
// ‹ Œ Ž ‘ ’ “ ” • – — ˜ ™ š › œ ž Ÿ), and the five bytes the code page leaves
// undefined (0x81 0x8D 0x8F 0x90 0x9D) stand for the control characters of the
// same value, so any byte string decodes and encodes back unchanged.
namespace Cp1252 {

// Characters the code page cannot hold become '?': check unencodable() first
// wherever such a loss would matter.
QByteArray encode(const QString &text);
QString decode(const QByteArray &bytes);
// The distinct characters of text that the code page cannot hold, in order of
// first appearance (a character outside the 16-bit range counts as one);
// empty when all of them fit.
QString unencodable(const QString &text);

} // namespace Cp1252
