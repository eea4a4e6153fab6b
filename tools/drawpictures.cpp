// Draws every picture that Zenuvio ships: the start window's sky, the program
// icon (as a 16-colour .ico and as PNGs), the empty figure box "Clicca", the
// empty formula slot "Vuoto", and the figures of the example problems.
//
// Usage: draw_pictures <embedded-folder> <beside-png-folder> <examples-png-folder> <icons-folder>
//   The sky, the .ico and the icon PNGs go straight into <embedded-folder>.
//   The icon in the other sizes of a desktop's icon theme (22 to 256 pixels)
//   and as SVG goes into <icons-folder>.
//   The pictures kept beside the program, and the example figures, are
//   written as PNG (with alpha where they are transparent) into the other two
//   folders; scripts/draw-pictures.sh turns them into GIF files.
//
// Everything is drawn from scratch; the only outside ingredient is the
// Liberation Sans font. The random numbers come from a fixed seed, so two runs
// give the same pictures.

#include <QByteArray>
#include <QDir>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

// ---------------------------------------------------------------------------
// Output

bool saveImage(const QImage &image, const QString &path, const char *format, int quality = -1)
{
    if (image.save(path, format, quality))
        return true;
    std::fprintf(stderr, "draw_pictures: cannot write %s\n", qPrintable(path));
    return false;
}

bool saveBytes(const QByteArray &bytes, const QString &path)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    std::fprintf(stderr, "draw_pictures: cannot write %s: %s\n", qPrintable(path),
                 qPrintable(file.errorString()));
    return false;
}

QFont labelFont(int pixelSize, bool antialiased)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setStyleStrategy(antialiased ? QFont::PreferAntialias : QFont::NoAntialias);
    return font;
}

// ---------------------------------------------------------------------------
// The sky behind the start window: a blue gradient with soft white clouds.

class SkyPainter {
public:
    QImage draw()
    {
        QImage sky(640, 480, QImage::Format_RGB32);
        QPainter painter(&sky);
        painter.setRenderHint(QPainter::Antialiasing);

        QLinearGradient gradient(0, 0, 0, 480);
        gradient.setColorAt(0.0, QColor(74, 138, 222));
        gradient.setColorAt(0.55, QColor(128, 180, 238));
        gradient.setColorAt(1.0, QColor(198, 226, 252));
        painter.fillRect(sky.rect(), gradient);

        // A wide veil of haze behind the title and subtitle keeps the dark
        // blue lettering of the start window readable.
        paintHaze(painter, QPointF(265, 52), 300, 48);

        paintCloud(painter, QPointF(95, 165), 75, 22);
        paintCloud(painter, QPointF(450, 185), 105, 26);
        paintCloud(painter, QPointF(170, 305), 90, 22);
        paintCloud(painter, QPointF(440, 345), 125, 26);
        paintCloud(painter, QPointF(595, 95), 55, 16);
        paintCloud(painter, QPointF(55, 440), 95, 22);
        paintCloud(painter, QPointF(575, 460), 85, 20);
        return sky;
    }

private:
    std::mt19937 random{20240611};

    double uniform(double from, double to)
    {
        return from + (to - from) * (double(random()) / double(std::mt19937::max()));
    }

    // A soft white ellipse that fades out towards its edge.
    static void paintSoftEllipse(QPainter &painter, QPointF centre, double rx, double ry,
                                 const QColor &colour, int alpha)
    {
        QRadialGradient gradient(QPointF(0, 0), 1.0);
        QColor inner = colour;
        inner.setAlpha(alpha);
        QColor middle = colour;
        middle.setAlpha(alpha * 2 / 3);
        QColor outer = colour;
        outer.setAlpha(0);
        gradient.setColorAt(0.0, inner);
        gradient.setColorAt(0.6, middle);
        gradient.setColorAt(1.0, outer);
        painter.save();
        painter.translate(centre);
        painter.scale(rx, ry);
        painter.setPen(Qt::NoPen);
        painter.setBrush(gradient);
        painter.drawEllipse(QPointF(0, 0), 1.0, 1.0);
        painter.restore();
    }

    void paintHaze(QPainter &painter, QPointF centre, double rx, double ry)
    {
        paintSoftEllipse(painter, centre, rx, ry, Qt::white, 150);
        for (int i = 0; i < 9; ++i) {
            const double x = centre.x() + uniform(-rx * 0.8, rx * 0.8);
            const double y = centre.y() + uniform(-ry * 0.4, ry * 0.4);
            paintSoftEllipse(painter, QPointF(x, y), uniform(50, 90), uniform(18, 28), Qt::white,
                             90);
        }
    }

    // One cloud: round puffs standing on a flat base, with a greyish
    // underside.
    void paintCloud(QPainter &painter, QPointF base, double halfWidth, double puffRadius)
    {
        struct Puff {
            QPointF centre;
            double radius;
        };
        std::vector<Puff> puffs;
        const int count = int(halfWidth / 5);
        for (int i = 0; i < count; ++i) {
            const double along = uniform(-0.85, 0.85);
            const double radius =
                puffRadius * (0.45 + 0.75 * (1.0 - along * along)) * uniform(0.8, 1.2);
            const double y = base.y() - radius * uniform(0.5, 1.1);
            puffs.push_back({QPointF(base.x() + along * halfWidth, y), radius});
        }
        paintSoftEllipse(painter, base + QPointF(0, -puffRadius * 0.3), halfWidth, puffRadius * 0.8,
                         Qt::white, 200);
        for (const Puff &puff : puffs)
            paintSoftEllipse(painter, puff.centre, puff.radius * 1.25, puff.radius * 1.25,
                             Qt::white, 235);
        paintSoftEllipse(painter, base + QPointF(0, -puffRadius * 0.15), halfWidth * 0.75,
                         puffRadius * 0.6, QColor(176, 192, 216), 55);
    }
};

// ---------------------------------------------------------------------------
// The program icon: magenta boxes joined by dotted lines into a tree, on a
// yellow checkered ground, in the classic 16-colour Windows palette. It is
// drawn pixel by pixel into an 8-bit indexed image that only uses indexes
// 0..15, so the .ico writer can pack it into 4 bits per pixel.

enum ClassicColour : uint {
    Black = 0,
    Maroon,
    Green,
    Olive,
    Navy,
    Purple,
    Teal,
    Silver,
    Grey,
    Red,
    Lime,
    Yellow,
    Blue,
    Magenta,
    Cyan,
    White
};

QVector<QRgb> classicPalette()
{
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

class IconPainter {
public:
    // Sizes of the tree for one icon size; boxes are given by their left,
    // top, width and height, in pixels.
    struct Layout {
        int size;
        int checker;
        QRect root;
        int branchY; // the row of the dotted line that joins the children
        std::vector<QRect> children;
    };

    static QImage draw(const Layout &layout)
    {
        QImage icon(layout.size, layout.size, QImage::Format_Indexed8);
        icon.setColorTable(classicPalette());
        for (int y = 0; y < layout.size; ++y)
            for (int x = 0; x < layout.size; ++x) {
                const bool even = ((x / layout.checker) + (y / layout.checker)) % 2 == 0;
                icon.setPixel(x, y, even ? Yellow : White);
            }

        const int rootX = layout.root.center().x();
        const int branchY = layout.branchY;
        dottedLine(icon, QPoint(rootX, layout.root.bottom() + 1), QPoint(rootX, branchY));
        dottedLine(icon, QPoint(layout.children.front().center().x(), branchY),
                   QPoint(layout.children.back().center().x(), branchY));
        for (const QRect &child : layout.children)
            dottedLine(icon, QPoint(child.center().x(), branchY),
                       QPoint(child.center().x(), child.top() - 1));

        box(icon, layout.root);
        for (const QRect &child : layout.children)
            box(icon, child);
        return icon;
    }

    static Layout large()
    {
        return {32,
                4,
                QRect(11, 2, 11, 9),
                16,
                {QRect(2, 21, 9, 8), QRect(12, 21, 9, 8), QRect(22, 21, 9, 8)}};
    }

    static Layout small()
    {
        return {16, 2, QRect(4, 1, 7, 5), 7, {QRect(1, 10, 5, 5), QRect(9, 10, 5, 5)}};
    }

    // The sizes a desktop's icon theme asks for besides 16 and 32.
    static Layout size22()
    {
        return {22,
                2,
                QRect(7, 1, 8, 7),
                11,
                {QRect(1, 15, 6, 6), QRect(8, 15, 6, 6), QRect(15, 15, 6, 6)}};
    }

    static Layout size24()
    {
        return {24,
                3,
                QRect(8, 1, 9, 8),
                12,
                {QRect(1, 16, 7, 7), QRect(9, 16, 7, 7), QRect(17, 16, 7, 7)}};
    }

private:
    static void box(QImage &icon, const QRect &rect)
    {
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x) {
                const bool edge =
                    x == rect.left() || x == rect.right() || y == rect.top() || y == rect.bottom();
                icon.setPixel(x, y, edge ? Purple : Magenta);
            }
        // A light top-left edge gives the box a little relief.
        if (rect.width() > 7)
            for (int x = rect.left() + 1; x < rect.right(); ++x)
                icon.setPixel(x, rect.top() + 1, White);
    }

    // A horizontal or vertical dotted line. The dots sit on the pixels whose
    // coordinates add up to an even number, so lines that meet share a dot.
    static void dottedLine(QImage &icon, QPoint from, QPoint to)
    {
        const int steps = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
        const int dx = to.x() > from.x() ? 1 : (to.x() < from.x() ? -1 : 0);
        const int dy = to.y() > from.y() ? 1 : (to.y() < from.y() ? -1 : 0);
        for (int i = 0; i <= steps; ++i) {
            const QPoint dot(from.x() + i * dx, from.y() + i * dy);
            if ((dot.x() + dot.y()) % 2 == 0)
                icon.setPixel(dot, Black);
        }
    }
};

// The large icon as shapes on a grid of 32 x 32 units, for every size from 48
// pixels up and for the SVG icon: the same squares, boxes and dots as the 32
// pixel icon, with round dots.
class ScalableIcon {
public:
    struct Shape {
        bool dot; // a round dot inside the rectangle, else the rectangle filled
        QRectF rect;
        QRgb colour;
    };

    explicit ScalableIcon(const IconPainter::Layout &layout) : m_size(layout.size)
    {
        const QVector<QRgb> palette = classicPalette();
        add(false, QRectF(0, 0, m_size, m_size), palette[White]);
        for (int y = 0; y < m_size; y += layout.checker)
            for (int x = 0; x < m_size; x += layout.checker)
                if ((x / layout.checker + y / layout.checker) % 2 == 0)
                    add(false, QRectF(x, y, layout.checker, layout.checker), palette[Yellow]);

        const int rootX = layout.root.center().x();
        dots(QPoint(rootX, layout.root.bottom() + 1), QPoint(rootX, layout.branchY));
        dots(QPoint(layout.children.front().center().x(), layout.branchY),
             QPoint(layout.children.back().center().x(), layout.branchY));
        for (const QRect &child : layout.children)
            dots(QPoint(child.center().x(), layout.branchY),
                 QPoint(child.center().x(), child.top() - 1));

        std::vector<QRect> boxes = layout.children;
        boxes.insert(boxes.begin(), layout.root);
        for (const QRect &box : boxes) {
            add(false, box, palette[Purple]);
            add(false, box.adjusted(1, 1, -1, -1), palette[Magenta]);
            if (box.width() > 7)
                add(false, QRectF(box.left() + 1, box.top() + 1, box.width() - 2, 1),
                    palette[White]);
        }
    }

    QImage draw(int pixels) const
    {
        QImage icon(pixels, pixels, QImage::Format_ARGB32);
        icon.fill(Qt::transparent);
        QPainter painter(&icon);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.scale(qreal(pixels) / m_size, qreal(pixels) / m_size);
        for (const Shape &shape : m_shapes) {
            painter.setBrush(QColor(shape.colour));
            if (shape.dot)
                painter.drawEllipse(shape.rect);
            else
                painter.drawRect(shape.rect);
        }
        return icon;
    }

    QByteArray svg() const
    {
        QByteArray out = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" "
                                        "height=\"%1\" viewBox=\"0 0 %1 %1\">\n")
                             .arg(m_size)
                             .toUtf8();
        for (const Shape &shape : m_shapes) {
            const QString colour = QColor(shape.colour).name();
            const QRectF &r = shape.rect;
            if (shape.dot)
                out += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>\n")
                           .arg(r.center().x())
                           .arg(r.center().y())
                           .arg(r.width() / 2)
                           .arg(colour)
                           .toUtf8();
            else
                out += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" "
                                      "fill=\"%5\"/>\n")
                           .arg(r.x())
                           .arg(r.y())
                           .arg(r.width())
                           .arg(r.height())
                           .arg(colour)
                           .toUtf8();
        }
        return out + "</svg>\n";
    }

private:
    void add(bool dot, const QRectF &rect, QRgb colour) { m_shapes.push_back({dot, rect, colour}); }

    // The dots of IconPainter's dotted line, each a round dot in its pixel.
    void dots(QPoint from, QPoint to)
    {
        const int steps = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
        const int dx = to.x() > from.x() ? 1 : (to.x() < from.x() ? -1 : 0);
        const int dy = to.y() > from.y() ? 1 : (to.y() < from.y() ? -1 : 0);
        for (int i = 0; i <= steps; ++i) {
            const QPoint dot(from.x() + i * dx, from.y() + i * dy);
            if ((dot.x() + dot.y()) % 2 == 0)
                add(true, QRectF(dot, QSizeF(1, 1)), classicPalette()[Black]);
        }
    }

    int m_size;
    std::vector<Shape> m_shapes;
};

// A Windows icon file holding the given 16-colour images: an ICONDIR, one
// ICONDIRENTRY per image, then per image a BITMAPINFOHEADER, the 16-entry
// palette, the 4-bit colour rows and the 1-bit AND mask (all opaque), rows
// bottom-up and padded to 32 bits.
QByteArray icoFile(const std::vector<QImage> &images)
{
    QByteArray out;
    auto put16 = [&out](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    auto put32 = [&out](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    auto rowBytes = [](int width, int bits) { return ((width * bits + 31) / 32) * 4; };
    auto dibSize = [&](const QImage &image) {
        return 40 + 16 * 4 +
               (rowBytes(image.width(), 4) + rowBytes(image.width(), 1)) * image.height();
    };

    put16(0);
    put16(1); // icon
    put16(quint16(images.size()));
    quint32 offset = 6 + 16 * quint32(images.size());
    for (const QImage &image : images) {
        out.append(char(image.width() % 256));
        out.append(char(image.height() % 256));
        out.append(char(16)); // colours
        out.append(char(0));
        put16(1); // planes
        put16(4); // bits per pixel
        put32(quint32(dibSize(image)));
        put32(offset);
        offset += quint32(dibSize(image));
    }

    for (const QImage &image : images) {
        const int w = image.width();
        const int h = image.height();
        put32(40);
        put32(quint32(w));
        put32(quint32(h * 2)); // colour rows and mask rows
        put16(1);
        put16(4);
        put32(0); // no compression
        put32(quint32((rowBytes(w, 4) + rowBytes(w, 1)) * h));
        put32(0);
        put32(0);
        put32(16);
        put32(0);
        for (QRgb colour : image.colorTable()) {
            out.append(char(qBlue(colour)));
            out.append(char(qGreen(colour)));
            out.append(char(qRed(colour)));
            out.append(char(0));
        }
        for (int y = h - 1; y >= 0; --y) {
            QByteArray row(rowBytes(w, 4), '\0');
            for (int x = 0; x < w; ++x) {
                const int index = image.pixelIndex(x, y) & 0x0f;
                row[x / 2] = char(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
            }
            out.append(row);
        }
        out.append(QByteArray(rowBytes(w, 1) * h, '\0'));
    }
    return out;
}

// ---------------------------------------------------------------------------
// Pictures kept beside the program.

// The empty figure box of the editor, which asks to be clicked.
QImage drawClicca()
{
    QImage picture(237, 101, QImage::Format_RGB32);
    picture.fill(QColor(255, 255, 255));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QPen frame(QColor(70, 90, 170), 2, Qt::DashLine);
    painter.setPen(frame);
    painter.setBrush(QColor(244, 247, 255));
    painter.drawRoundedRect(QRectF(4, 4, 229, 93), 8, 8);

    // A mouse pointer at the left says "click".
    QPainterPath arrow;
    arrow.moveTo(0, 0);
    arrow.lineTo(0, 24);
    arrow.lineTo(6, 18);
    arrow.lineTo(10, 28);
    arrow.lineTo(14, 26);
    arrow.lineTo(10, 16.5);
    arrow.lineTo(18, 16.5);
    arrow.closeSubpath();
    painter.save();
    painter.translate(22, 34);
    painter.setPen(QPen(QColor(0, 0, 0), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(255, 255, 255));
    painter.drawPath(arrow);
    painter.restore();

    painter.setPen(QColor(0, 0, 192));
    painter.setFont(labelFont(20, true));
    painter.drawText(QRectF(50, 20, 180, 28), Qt::AlignHCenter | Qt::AlignVCenter,
                     QStringLiteral("Clicca qui"));
    painter.setFont(labelFont(14, true));
    painter.drawText(QRectF(50, 50, 180, 18), Qt::AlignHCenter | Qt::AlignVCenter,
                     QStringLiteral("per scegliere"));
    painter.drawText(QRectF(50, 68, 180, 18), Qt::AlignHCenter | Qt::AlignVCenter,
                     QStringLiteral("la figura"));
    return picture;
}

// Sets every pixel either fully transparent or opaque, so the GIF needs no
// more than its few drawing colours and one transparent colour.
QImage hardenAlpha(const QImage &image)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            line[x] = qAlpha(line[x]) < 128 ? qRgba(255, 255, 255, 0)
                                            : qRgb(qRed(line[x]), qGreen(line[x]), qBlue(line[x]));
    }
    return out;
}

// The formula slot of a step that still waits for its formula: a white card
// with a dashed edge and a question mark.
QImage drawVuoto()
{
    QImage picture(105, 35, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QPen(QColor(96, 96, 96), 1, Qt::DashLine));
    painter.setBrush(QColor(255, 255, 255));
    painter.drawRect(QRect(0, 0, 104, 34));
    painter.setPen(QColor(0, 0, 160));
    painter.setFont(labelFont(24, false));
    painter.drawText(QRect(0, 0, 105, 35), Qt::AlignCenter, QStringLiteral("?"));
    painter.end();
    return hardenAlpha(picture);
}

// Example figures: black lines and labels on a transparent ground, drawn
// without anti-aliasing like the formula pictures. Each figure is laid out in
// the centimetres of its problem, with y upwards, and drawn to scale: the
// painter is given the figure's width and height in centimetres and how many
// pixels make a centimetre, and centres the figure in the 237 x 101 box. So a
// figure keeps the proportions its text gives (the longer diagonal of the
// rhombus is the one drawn longer, a flat triangle is drawn flat).
class FigurePainter {
public:
    FigurePainter(double widthCm, double heightCm, double pixelsPerCm)
        : picture(237, 101, QImage::Format_ARGB32), painter(), scale(pixelsPerCm),
          left((237 - widthCm * pixelsPerCm) / 2), bottom((101 + heightCm * pixelsPerCm) / 2)
    {
        picture.fill(Qt::transparent);
        painter.begin(&picture);
        painter.setPen(QPen(Qt::black, 1));
        painter.setFont(labelFont(13, false));
    }

    // The pixel of the point (x, y), given in centimetres.
    QPoint at(double x, double y) const
    {
        return QPoint(qRound(left + x * scale), qRound(bottom - y * scale));
    }

    void line(QPoint from, QPoint to) { painter.drawLine(from, to); }

    void polygon(std::initializer_list<QPoint> corners)
    {
        const std::vector<QPoint> points(corners);
        for (size_t i = 0; i < points.size(); ++i)
            line(points[i], points[(i + 1) % points.size()]);
    }

    // Heights are dashed.
    void dashed(QPoint from, QPoint to)
    {
        QPen pen(Qt::black, 1);
        pen.setDashPattern({4, 3});
        painter.setPen(pen);
        painter.drawLine(from, to);
        painter.setPen(QPen(Qt::black, 1));
    }

    // The small square that marks a right angle at corner, with its sides
    // along the unit directions a and b (each -1, 0 or 1 per axis, in pixels,
    // so y grows downwards).
    void rightAngle(QPoint corner, QPoint a, QPoint b, int size = 7)
    {
        const QPoint p = corner + a * size;
        const QPoint q = corner + b * size;
        line(p, p + b * size);
        line(q, q + a * size);
    }

    // A point's name placed so that its centre lies at the point given.
    void label(const QString &name, QPoint centre)
    {
        painter.drawText(QRect(centre.x() - 10, centre.y() - 9, 20, 18), Qt::AlignCenter, name);
    }

    QImage finish()
    {
        painter.end();
        return hardenAlpha(picture);
    }

private:
    QImage picture;
    QPainter painter;
    double scale;
    double left;
    double bottom;
};

// Offsets of a label from its point, in pixels: below left, below, below
// right, above left, above, above right, left, right.
const QPoint BelowLeft(-9, 8), Below(0, 10), BelowRight(9, 8);
const QPoint AboveLeft(-9, -8), Above(0, -9), AboveRight(9, -8);
const QPoint Left(-10, 0), Right(10, 0);

// A square of side 10 cm with its diagonals, which meet in O.
QImage drawQuadrato()
{
    FigurePainter f(10, 10, 6.8);
    const QPoint a = f.at(0, 0), b = f.at(10, 0), c = f.at(10, 10), d = f.at(0, 10);
    const QPoint o = f.at(5, 5);
    f.polygon({a, b, c, d});
    f.line(a, c);
    f.line(b, d);
    f.label("A", a + BelowLeft);
    f.label("B", b + BelowRight);
    f.label("C", c + AboveRight);
    f.label("D", d + AboveLeft);
    f.label("O", o + QPoint(0, 11));
    return f.finish();
}

// A rectangle 12 cm by 5 cm with its diagonal BD.
QImage drawRettangolo()
{
    FigurePainter f(12, 5, 13);
    const QPoint a = f.at(0, 0), b = f.at(12, 0), c = f.at(12, 5), d = f.at(0, 5);
    f.polygon({a, b, c, d});
    f.line(b, d);
    f.label("A", a + BelowLeft);
    f.label("B", b + BelowRight);
    f.label("C", c + AboveRight);
    f.label("D", d + AboveLeft);
    return f.finish();
}

// A parallelogram on the base AB = 21 cm, with the side BC = 10 cm leaning
// left, so that the foot H of the height CH = 8 cm falls on the base and
// HB = 6 cm.
QImage drawParallelogramma()
{
    FigurePainter f(27, 8, 7);
    const QPoint a = f.at(6, 0), b = f.at(27, 0), c = f.at(21, 8), d = f.at(0, 8);
    const QPoint h = f.at(21, 0);
    f.polygon({a, b, c, d});
    f.dashed(c, h);
    f.rightAngle(h, QPoint(-1, 0), QPoint(0, -1));
    f.label("A", a + BelowLeft);
    f.label("B", b + BelowRight);
    f.label("C", c + AboveRight);
    f.label("D", d + AboveLeft);
    f.label("H", h + Below);
    return f.finish();
}

// A rhombus with the longer diagonal BD = 20 cm across and the shorter
// AC = 15 cm upright; they meet at right angles in O.
QImage drawRombo()
{
    FigurePainter f(20, 15, 4.4);
    const QPoint a = f.at(10, 0), b = f.at(20, 7.5), c = f.at(10, 15), d = f.at(0, 7.5);
    const QPoint o = f.at(10, 7.5);
    f.polygon({a, b, c, d});
    f.line(a, c);
    f.line(d, b);
    f.rightAngle(o, QPoint(1, 0), QPoint(0, -1), 6);
    f.label("A", a + Below);
    f.label("B", b + Right);
    f.label("C", c + Above);
    f.label("D", d + Left);
    f.label("O", o + QPoint(-8, 9));
    return f.finish();
}

// An isosceles trapezium: bases AB = 28 cm and DC = 16 cm, height 8 cm; the
// heights DK and CH cut AK = HB = 6 cm off the longer base.
QImage drawTrapezioIsoscele()
{
    FigurePainter f(28, 8, 7);
    const QPoint a = f.at(0, 0), b = f.at(28, 0), c = f.at(22, 8), d = f.at(6, 8);
    const QPoint k = f.at(6, 0), h = f.at(22, 0);
    f.polygon({a, b, c, d});
    f.dashed(d, k);
    f.dashed(c, h);
    f.rightAngle(k, QPoint(1, 0), QPoint(0, -1));
    f.rightAngle(h, QPoint(-1, 0), QPoint(0, -1));
    f.label("A", a + BelowLeft);
    f.label("B", b + BelowRight);
    f.label("C", c + AboveRight);
    f.label("D", d + AboveLeft);
    f.label("K", k + Below);
    f.label("H", h + Below);
    return f.finish();
}

// A right trapezium: bases AB = 20 cm and DC = 14 cm, height DA = 8 cm; the
// height CH leaves HB = 6 cm.
QImage drawTrapezioRettangolo()
{
    FigurePainter f(20, 8, 8);
    const QPoint a = f.at(0, 0), b = f.at(20, 0), c = f.at(14, 8), d = f.at(0, 8);
    const QPoint h = f.at(14, 0);
    f.polygon({a, b, c, d});
    f.dashed(c, h);
    f.rightAngle(a, QPoint(1, 0), QPoint(0, -1));
    f.rightAngle(d, QPoint(1, 0), QPoint(0, 1));
    f.rightAngle(h, QPoint(-1, 0), QPoint(0, -1));
    f.label("A", a + BelowLeft);
    f.label("B", b + BelowRight);
    f.label("C", c + AboveRight);
    f.label("D", d + AboveLeft);
    f.label("H", h + Below);
    return f.finish();
}

// A scalene trapezium: bases AB = 24 cm and DC = 10 cm, sides AD = 13 cm and
// BC = 15 cm, height CH = 12 cm.
QImage drawTrapezioScaleno()
{
    FigurePainter f(24, 12, 5.5);
    const QPoint a = f.at(0, 0), b = f.at(24, 0), c = f.at(15, 12), d = f.at(5, 12);
    const QPoint h = f.at(15, 0);
    f.polygon({a, b, c, d});
    f.dashed(c, h);
    f.rightAngle(h, QPoint(-1, 0), QPoint(0, -1));
    f.label("A", a + BelowLeft);
    f.label("B", b + BelowRight);
    f.label("C", c + AboveRight);
    f.label("D", d + AboveLeft);
    f.label("H", h + Below);
    return f.finish();
}

// A trapezium solved with Pythagoras: the heights DK and CH = 12 cm, the
// sides AD = 13 cm and BC = 15 cm, AH = 16 cm, and the diagonal AC.
QImage drawTrapezioPitagora()
{
    FigurePainter f(25, 12, 5.5);
    const QPoint a = f.at(0, 0), b = f.at(25, 0), c = f.at(16, 12), d = f.at(5, 12);
    const QPoint k = f.at(5, 0), h = f.at(16, 0);
    f.polygon({a, b, c, d});
    f.line(a, c);
    f.dashed(d, k);
    f.dashed(c, h);
    f.rightAngle(k, QPoint(-1, 0), QPoint(0, -1));
    f.rightAngle(h, QPoint(1, 0), QPoint(0, -1));
    f.label("A", a + BelowLeft);
    f.label("B", b + BelowRight);
    f.label("C", c + AboveRight);
    f.label("D", d + AboveLeft);
    f.label("K", k + Below);
    f.label("H", h + Below);
    return f.finish();
}

// An isosceles triangle on the base AB = 24 cm with the sides 13 cm, so its
// height CH is only 5 cm.
QImage drawTriangoloIsoscele()
{
    FigurePainter f(24, 5, 7);
    const QPoint a = f.at(0, 0), b = f.at(24, 0), c = f.at(12, 5), h = f.at(12, 0);
    f.polygon({a, b, c});
    f.dashed(c, h);
    f.rightAngle(h, QPoint(1, 0), QPoint(0, -1));
    f.label("A", a + BelowLeft);
    f.label("B", b + BelowRight);
    f.label("C", c + Above);
    f.label("H", h + Below);
    return f.finish();
}

// A scalene triangle with AC = 15 cm, BC = 13 cm and the height CH = 12 cm,
// whose foot H splits AB into AH = 9 cm and HB = 5 cm.
QImage drawTriangoloScaleno()
{
    FigurePainter f(14, 12, 5.5);
    const QPoint a = f.at(0, 0), b = f.at(14, 0), c = f.at(9, 12), h = f.at(9, 0);
    f.polygon({a, b, c});
    f.dashed(c, h);
    f.rightAngle(h, QPoint(1, 0), QPoint(0, -1));
    f.label("A", a + BelowLeft);
    f.label("B", b + BelowRight);
    f.label("C", c + Above);
    f.label("H", h + Below);
    return f.finish();
}

// A triangle with the right angle in A: legs AB = 16 cm and CA = 12 cm,
// hypotenuse BC.
QImage drawTriangoloRettangolo()
{
    FigurePainter f(16, 12, 5.5);
    const QPoint a = f.at(0, 0), b = f.at(16, 0), c = f.at(0, 12);
    f.polygon({a, b, c});
    f.rightAngle(a, QPoint(1, 0), QPoint(0, -1));
    f.label("A", a + BelowLeft);
    f.label("B", b + BelowRight);
    f.label("C", c + AboveLeft);
    return f.finish();
}

// An equilateral triangle of side 10 cm with its height CH = 8,66 cm.
QImage drawTriangoloEquilatero()
{
    FigurePainter f(10, 8.66, 7.5);
    const QPoint a = f.at(0, 0), b = f.at(10, 0), c = f.at(5, 8.66), h = f.at(5, 0);
    f.polygon({a, b, c});
    f.dashed(c, h);
    f.rightAngle(h, QPoint(1, 0), QPoint(0, -1));
    f.label("A", a + BelowLeft);
    f.label("B", b + BelowRight);
    f.label("C", c + Above);
    f.label("H", h + Below);
    return f.finish();
}

bool fontIsThere()
{
    const QFontInfo info(labelFont(12, true));
    if (info.family() == QStringLiteral("Liberation Sans"))
        return true;
    std::fprintf(stderr, "draw_pictures: the font Liberation Sans is missing (got %s)\n",
                 qPrintable(info.family()));
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        std::fprintf(stderr, "usage: draw_pictures <embedded-folder> <beside-png-folder> "
                             "<examples-png-folder> <icons-folder>\n");
        return 2;
    }
    const QDir embedded(args.at(1));
    const QDir besidePngs(args.at(2));
    const QDir examplePngs(args.at(3));
    const QDir icons(args.at(4));
    if (!QDir().mkpath(embedded.path()) || !QDir().mkpath(besidePngs.path()) ||
        !QDir().mkpath(examplePngs.path()) || !QDir().mkpath(icons.path()) || !fontIsThere())
        return 1;

    SkyPainter sky;
    const QImage icon32 = IconPainter::draw(IconPainter::large());
    const QImage icon16 = IconPainter::draw(IconPainter::small());

    bool ok = saveImage(sky.draw(), embedded.filePath("sky.jpg"), "JPG", 90);
    ok = saveBytes(icoFile({icon32, icon16}), embedded.filePath("zenuvio.ico")) && ok;
    ok = saveImage(icon32, embedded.filePath("zenuvio-32.png"), "PNG") && ok;
    ok = saveImage(icon16, embedded.filePath("zenuvio-16.png"), "PNG") && ok;

    // Small sizes drawn pixel by pixel, larger ones from the shapes.
    auto iconFile = [&icons](int size) {
        return icons.filePath(QStringLiteral("zenuvio-%1.png").arg(size));
    };
    ok = saveImage(IconPainter::draw(IconPainter::size22()), iconFile(22), "PNG") && ok;
    ok = saveImage(IconPainter::draw(IconPainter::size24()), iconFile(24), "PNG") && ok;
    const ScalableIcon scalable(IconPainter::large());
    for (int size : {48, 64, 128, 256})
        ok = saveImage(scalable.draw(size), iconFile(size), "PNG") && ok;
    ok = saveBytes(scalable.svg(), icons.filePath("zenuvio.svg")) && ok;

    using Named = std::vector<std::pair<const char *, QImage>>;
    const Named beside = {
        {"Clicca", drawClicca()},
        {"Vuoto", drawVuoto()},
    };
    // One figure per example problem, named like its problem file.
    const Named examples = {
        {"Quadrato", drawQuadrato()},
        {"Rettangolo", drawRettangolo()},
        {"Parallelogramma", drawParallelogramma()},
        {"Rombo", drawRombo()},
        {"TrapezioIsoscele", drawTrapezioIsoscele()},
        {"TrapezioRettangolo", drawTrapezioRettangolo()},
        {"TrapezioScaleno", drawTrapezioScaleno()},
        {"TrapezioPitagora", drawTrapezioPitagora()},
        {"TriangoloIsoscele", drawTriangoloIsoscele()},
        {"TriangoloScaleno", drawTriangoloScaleno()},
        {"TriangoloRettangolo", drawTriangoloRettangolo()},
        {"TriangoloEquilatero", drawTriangoloEquilatero()},
    };
    for (const auto &[name, image] : beside)
        ok = saveImage(image, besidePngs.filePath(QString::fromLatin1(name) + ".png"), "PNG") && ok;
    for (const auto &[name, image] : examples)
        ok =
            saveImage(image, examplePngs.filePath(QString::fromLatin1(name) + ".png"), "PNG") && ok;
    return ok ? 0 : 1;
}
