// formula_gallery <out-dir> [--dpr N]
//
// Draws every tab of the formula panel on one contact sheet, catalogue.png,
// with each box at its place in the grid, in its kind's colour and with its
// formula number beside it, and writes each formula picture as
// formula_NNN.gif. Used to look over the formula pictures.

#include "formulacatalogue.h"
#include "formularenderer.h"
#include "gifwriter.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QTextStream>

namespace {

using FormulaCatalogue::Entry;

// The panel, in logical pixels from its top-left corner.
constexpr int PanelWidth = 299;
constexpr int PanelHeight = 543;
constexpr int ColumnLeft[] = {8, 128};
constexpr int FirstRowTop = 136;
constexpr int RowStep = 48;
constexpr int BoxWidth = 113;
constexpr int BoxHeight = 41;
constexpr int TabStripRowHeight = 20;

// The sheet: four tabs side by side, three rows of them.
constexpr int SheetColumns = 4;
constexpr int Gutter = 30; // left of each panel, for the numbers of column 1
constexpr int TitleHeight = 20;
constexpr int Spacing = 14;
constexpr int CellWidth = Gutter + PanelWidth + Spacing;
constexpr int CellHeight = TitleHeight + PanelHeight + Spacing;

const QColor PanelGrey(192, 192, 192);
const QColor CaptionBlue(0, 0, 192);

QFont captionFont(bool bold = false)
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPixelSize(11);
    font.setBold(bold);
    return font;
}

// A single sunken 3-D border, drawn over the box's outer two pixels.
void drawSunkenFrame(QPainter &painter, const QRect &box)
{
    const QRect outer = box.adjusted(0, 0, -1, -1);
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(outer.topLeft(), outer.topRight());
    painter.drawLine(outer.topLeft(), outer.bottomLeft());
    painter.setPen(Qt::white);
    painter.drawLine(outer.bottomLeft(), outer.bottomRight());
    painter.drawLine(outer.topRight(), outer.bottomRight());
    painter.setPen(Qt::black);
    painter.drawLine(inner.topLeft(), inner.topRight());
    painter.drawLine(inner.topLeft(), inner.bottomLeft());
    painter.setPen(PanelGrey);
    painter.drawLine(inner.bottomLeft(), inner.bottomRight());
    painter.drawLine(inner.topRight(), inner.bottomRight());
}

void drawTabStrip(QPainter &painter, int currentTab)
{
    const int tabWidth = PanelWidth / 2;
    for (int tab = 0; tab < FormulaCatalogue::TabCount; ++tab) {
        const QRect cell((tab % 2) * tabWidth, (tab / 2) * TabStripRowHeight, tabWidth,
                         TabStripRowHeight);
        painter.fillRect(cell, tab == currentTab ? QColor(224, 224, 224) : PanelGrey);
        painter.setPen(QColor(128, 128, 128));
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
        painter.setPen(CaptionBlue);
        painter.setFont(captionFont(tab == currentTab));
        painter.drawText(cell, Qt::AlignCenter, FormulaCatalogue::tabCaption(tab));
    }
}

void drawPanel(QPainter &painter, int tab, qreal ratio)
{
    painter.fillRect(QRect(0, 0, PanelWidth, PanelHeight), PanelGrey);
    drawTabStrip(painter, tab);
    painter.setFont(captionFont());
    for (const Entry &entry : FormulaCatalogue::entries()) {
        if (entry.tab != tab)
            continue;
        const QRect box(ColumnLeft[entry.column - 1], FirstRowTop + RowStep * (entry.row - 1),
                        BoxWidth, BoxHeight);
        painter.fillRect(box, QColor(FormulaCatalogue::kindColour(entry.kind)));
        painter.save();
        painter.setClipRect(box);
        painter.drawImage(box.topLeft(), FormulaRenderer::render(entry, ratio));
        painter.restore();
        drawSunkenFrame(painter, box);

        painter.setPen(Qt::black);
        const QString number = QString::number(entry.number);
        if (entry.column == 1)
            painter.drawText(QRect(-Gutter, box.top(), Gutter - 2, BoxHeight),
                             Qt::AlignRight | Qt::AlignVCenter, number);
        else
            painter.drawText(QRect(box.right() + 4, box.top(), Gutter, BoxHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, number);
    }
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(0, 0, PanelWidth - 1, PanelHeight - 1);
}

QImage contactSheet(qreal ratio)
{
    const int sheetRows = (FormulaCatalogue::TabCount + SheetColumns - 1) / SheetColumns;
    const QSize logical(SheetColumns * CellWidth + Spacing, sheetRows * CellHeight + Spacing);
    QImage sheet(logical * ratio, QImage::Format_ARGB32_Premultiplied);
    sheet.setDevicePixelRatio(ratio);
    sheet.fill(Qt::white);

    QPainter painter(&sheet);
    for (int tab = 0; tab < FormulaCatalogue::TabCount; ++tab) {
        const QPoint cell(Spacing + (tab % SheetColumns) * CellWidth,
                          Spacing + (tab / SheetColumns) * CellHeight);
        int count = 0;
        for (const Entry &entry : FormulaCatalogue::entries())
            count += entry.tab == tab ? 1 : 0;
        painter.setPen(Qt::black);
        painter.setFont(captionFont(true));
        painter.drawText(QRect(cell.x() + Gutter, cell.y(), PanelWidth, TitleHeight),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("%1  %2  (%3 formule)")
                             .arg(tab)
                             .arg(FormulaCatalogue::tabCaption(tab))
                             .arg(count));
        painter.save();
        painter.translate(cell.x() + Gutter, cell.y() + TitleHeight);
        drawPanel(painter, tab, ratio);
        painter.restore();
    }
    return sheet;
}

} // namespace

int main(int argc, char *argv[])
{
    // Nothing is shown on screen, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);

    const QStringList arguments = app.arguments().mid(1);
    QString outDir;
    qreal ratio = 1.0;
    bool usageError = false;
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--dpr") && i + 1 < arguments.size()) {
            bool ok = false;
            ratio = arguments[++i].toDouble(&ok);
            usageError |= !ok || ratio < 1.0 || ratio > 8.0;
        } else if (outDir.isEmpty() && !arguments[i].startsWith(QLatin1String("--"))) {
            outDir = arguments[i];
        } else {
            usageError = true;
        }
    }
    if (outDir.isEmpty() || usageError) {
        err << "Uso: formula_gallery <cartella> [--dpr N]   (N da 1 a 8)\n";
        return 2;
    }
    if (!QDir().mkpath(outDir)) {
        err << "Impossibile creare la cartella " << QDir::toNativeSeparators(outDir) << "\n";
        return 1;
    }

    const QDir dir(outDir);
    const QString sheetPath = dir.filePath(QStringLiteral("catalogue.png"));
    if (!contactSheet(ratio).save(sheetPath)) {
        err << "Impossibile scrivere " << QDir::toNativeSeparators(sheetPath) << "\n";
        return 1;
    }
    for (const Entry &entry : FormulaCatalogue::entries()) {
        const QString name =
            QStringLiteral("formula_%1.gif").arg(entry.number, 3, 10, QLatin1Char('0'));
        const QString error =
            GifWriter::write(FormulaRenderer::render(entry, ratio), dir.filePath(name));
        if (!error.isEmpty()) {
            err << error << "\n";
            return 1;
        }
    }
    return 0;
}
