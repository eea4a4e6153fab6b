#include "cp1252.h"

#include <QSet>

#include <array>

namespace {

// Characters of the bytes 0x80..0x9F; the undefined ones map to themselves.
constexpr std::array<char16_t, 32> CharactersOf80To9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

constexpr int NoByte = -1;

int byteFor(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (std::size_t i = 0; i < CharactersOf80To9F.size(); ++i) {
        if (CharactersOf80To9F[i] == c)
            return static_cast<int>(0x80 + i);
    }
    return NoByte;
}

// Length of the character starting at index i: 2 for a surrogate pair, else 1.
int characterLength(const QString &text, int i)
{
    if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
        return 2;
    return 1;
}

} // namespace

namespace Cp1252 {

QByteArray encode(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (int i = 0; i < text.size();) {
        const int length = characterLength(text, i);
        const int byte = length == 1 ? byteFor(text.at(i).unicode()) : NoByte;
        bytes.append(byte == NoByte ? '?' : static_cast<char>(byte));
        i += length;
    }
    return bytes;
}

QString decode(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        *out++ = (value >= 0x80 && value < 0xA0) ? QChar(CharactersOf80To9F[value - 0x80])
                                                 : QChar(static_cast<char16_t>(value));
    }
    return text;
}

QString unencodable(const QString &text)
{
    QString found;
    QSet<char32_t> seen;
    for (int i = 0; i < text.size();) {
        const int length = characterLength(text, i);
        const char32_t codePoint =
            length == 2 ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1)) : text.at(i).unicode();
        if ((length == 2 || byteFor(text.at(i).unicode()) == NoByte) && !seen.contains(codePoint)) {
            seen.insert(codePoint);
            found += text.mid(i, length);
        }
        i += length;
    }
    return found;
}

} // namespace Cp1252
