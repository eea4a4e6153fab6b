#include "gifwriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QSaveFile>
#include <vector>

namespace GifWriter {

namespace {

constexpr int MaxGifSide = 65535;
constexpr int MaxCodeCount = 4096; // codes are at most 12 bits wide
constexpr int MaxColours = 256;

// The picture as palette indices; index 0 is the transparent colour when
// there is one.
struct IndexedPicture {
    int width = 0;
    int height = 0;
    std::vector<QRgb> palette;
    std::vector<quint8> indices; // row by row
    bool transparent = false;
};

bool isTransparent(QRgb pixel)
{
    return qAlpha(pixel) < 128;
}

QRgb opaque(QRgb pixel)
{
    return qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

// 6 x 7 x 6 levels of red, green and blue: 252 colours, leaving room for the
// transparent one.
int cubeIndex(QRgb pixel)
{
    const int r = (qRed(pixel) * 5 + 127) / 255;
    const int g = (qGreen(pixel) * 6 + 127) / 255;
    const int b = (qBlue(pixel) * 5 + 127) / 255;
    return (r * 7 + g) * 6 + b;
}

QRgb cubeColour(int index)
{
    const int b = index % 6;
    const int g = (index / 6) % 7;
    const int r = index / 42;
    return qRgb(r * 255 / 5, g * 255 / 6, b * 255 / 5);
}

IndexedPicture indexed(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    IndexedPicture picture;
    picture.width = image.width();
    picture.height = image.height();
    picture.indices.resize(static_cast<std::size_t>(picture.width) * picture.height);

    QHash<QRgb, int> colours;
    for (int y = 0; y < picture.height; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < picture.width; ++x) {
            if (isTransparent(line[x]))
                picture.transparent = true;
            else if (colours.size() <= MaxColours)
                colours.insert(opaque(line[x]), 0);
        }
    }
    const int reserved = picture.transparent ? 1 : 0;
    const bool useCube = colours.size() + reserved > MaxColours;

    // The transparent colour is white, the ground shown by readers that ignore transparency.
    if (picture.transparent)
        picture.palette.push_back(qRgb(255, 255, 255));
    if (useCube) {
        for (int i = 0; i < 6 * 7 * 6; ++i)
            picture.palette.push_back(cubeColour(i));
    } else {
        // Sorted so that the same picture always gives the same file.
        QList<QRgb> sorted = colours.keys();
        std::sort(sorted.begin(), sorted.end());
        for (QRgb colour : sorted) {
            colours[colour] = static_cast<int>(picture.palette.size());
            picture.palette.push_back(colour);
        }
    }

    for (int y = 0; y < picture.height; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        quint8 *out = picture.indices.data() + static_cast<std::size_t>(y) * picture.width;
        for (int x = 0; x < picture.width; ++x) {
            const QRgb pixel = line[x];
            int index = 0;
            if (!isTransparent(pixel))
                index = useCube ? reserved + cubeIndex(pixel) : colours.value(opaque(pixel));
            out[x] = static_cast<quint8>(index);
        }
    }
    return picture;
}

// Interlaced order: every 8th row from 0, every 8th from 4, every 4th from 2,
// every 2nd from 1.
std::vector<int> interlacedRows(int height)
{
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(height));
    const int starts[] = {0, 4, 2, 1};
    const int steps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
        for (int y = starts[pass]; y < height; y += steps[pass])
            rows.push_back(y);
    }
    return rows;
}

// Packs variable-width codes least significant bit first.
class BitPacker {
public:
    void put(int code, int width)
    {
        buffer |= static_cast<quint32>(code) << bitCount;
        bitCount += width;
        while (bitCount >= 8) {
            bytes.append(static_cast<char>(buffer & 0xff));
            buffer >>= 8;
            bitCount -= 8;
        }
    }
    QByteArray finish()
    {
        if (bitCount > 0)
            bytes.append(static_cast<char>(buffer & 0xff));
        buffer = 0;
        bitCount = 0;
        return bytes;
    }

private:
    QByteArray bytes;
    quint32 buffer = 0;
    int bitCount = 0;
};

// GIF's variable-code-width LZW. The table maps (prefix code, next index) to
// a code; it starts over with a clear code when all 4096 codes are taken.
QByteArray compress(const std::vector<quint8> &pixels, int minimumCodeSize)
{
    const int alphabet = 1 << minimumCodeSize;
    const int clearCode = alphabet;
    const int endCode = alphabet + 1;
    std::vector<qint16> table(static_cast<std::size_t>(MaxCodeCount) * alphabet, -1);

    BitPacker packer;
    int codeSize = minimumCodeSize + 1;
    int nextCode = endCode + 1;
    packer.put(clearCode, codeSize);
    if (pixels.empty()) {
        packer.put(endCode, codeSize);
        return packer.finish();
    }

    int prefix = pixels.front();
    for (std::size_t i = 1; i < pixels.size(); ++i) {
        const int index = pixels[i];
        qint16 &slot = table[static_cast<std::size_t>(prefix) * alphabet + index];
        if (slot >= 0) {
            prefix = slot;
            continue;
        }
        packer.put(prefix, codeSize);
        if (nextCode < MaxCodeCount) {
            slot = static_cast<qint16>(nextCode++);
            // The decoder widens its codes once the last code it may see next
            // no longer fits; it learns each code one step later than here.
            if (nextCode > (1 << codeSize) && codeSize < 12)
                ++codeSize;
        } else {
            packer.put(clearCode, codeSize);
            std::fill(table.begin(), table.end(), qint16(-1));
            codeSize = minimumCodeSize + 1;
            nextCode = endCode + 1;
        }
        prefix = index;
    }
    packer.put(prefix, codeSize);
    packer.put(endCode, codeSize);
    return packer.finish();
}

void putWord(QByteArray &out, int value)
{
    out.append(static_cast<char>(value & 0xff));
    out.append(static_cast<char>((value >> 8) & 0xff));
}

} // namespace

QByteArray encode(const QImage &image)
{
    if (image.isNull() || image.width() > MaxGifSide || image.height() > MaxGifSide)
        return QByteArray();

    const IndexedPicture picture = indexed(image);

    // The palette holds 2^(n+1) entries; the LZW alphabet needs at least 2 bits.
    int tableBits = 1;
    while ((1 << tableBits) < static_cast<int>(picture.palette.size()))
        ++tableBits;
    const int tableSize = 1 << tableBits;
    const int minimumCodeSize = qMax(2, tableBits);

    QByteArray out("GIF89a");
    putWord(out, picture.width);
    putWord(out, picture.height);
    // Global colour table present, 8 bits of colour resolution, its size.
    out.append(static_cast<char>(0x80 | 0x70 | (tableBits - 1)));
    out.append('\0'); // background colour index
    out.append('\0'); // no pixel aspect ratio
    for (int i = 0; i < tableSize; ++i) {
        const QRgb colour = i < static_cast<int>(picture.palette.size())
                                ? picture.palette[static_cast<std::size_t>(i)]
                                : qRgb(0, 0, 0);
        out.append(static_cast<char>(qRed(colour)));
        out.append(static_cast<char>(qGreen(colour)));
        out.append(static_cast<char>(qBlue(colour)));
    }

    if (picture.transparent) {
        out.append("\x21\xf9\x04", 3);
        out.append('\x01'); // no disposal, transparent index given
        putWord(out, 0);    // no delay
        out.append('\0');   // the transparent index
        out.append('\0');
    }

    out.append('\x2c');
    putWord(out, 0);
    putWord(out, 0);
    putWord(out, picture.width);
    putWord(out, picture.height);
    // Pictures of three or four rows are written plainly: Qt's own GIF reader,
    // which the program loads pictures with, puts their rows in the wrong order
    // when the second interlace pass is empty, and interlacing gains nothing there.
    const bool interlaced = picture.height < 3 || picture.height > 4;
    out.append(interlaced ? '\x40' : '\0'); // no local colour table

    std::vector<quint8> ordered;
    if (interlaced) {
        ordered.reserve(picture.indices.size());
        for (int y : interlacedRows(picture.height)) {
            const auto row =
                picture.indices.begin() + static_cast<std::ptrdiff_t>(y) * picture.width;
            ordered.insert(ordered.end(), row, row + picture.width);
        }
    } else {
        ordered = picture.indices;
    }

    out.append(static_cast<char>(minimumCodeSize));
    const QByteArray data = compress(ordered, minimumCodeSize);
    for (int offset = 0; offset < data.size(); offset += 255) {
        const int length = qMin(255, static_cast<int>(data.size()) - offset);
        out.append(static_cast<char>(length));
        out.append(data.constData() + offset, length);
    }
    out.append('\0'); // end of the image data
    out.append('\x3b');
    return out;
}

QString write(const QImage &image, const QString &path)
{
    const QString shownPath = QDir::toNativeSeparators(path);
    const QByteArray bytes = encode(image);
    if (bytes.isEmpty())
        return QStringLiteral("Impossibile scrivere %1: l'immagine è vuota o troppo grande.")
            .arg(shownPath);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Impossibile scrivere %1: %2").arg(shownPath, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("Impossibile scrivere %1: %2").arg(shownPath, file.errorString());
    return QString();
}

} // namespace GifWriter
