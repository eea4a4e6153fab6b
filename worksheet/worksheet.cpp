#include "worksheet.h"

#include "fonts.h"
#include "formulacatalogue.h"
#include "formularenderer.h"
#include "wholefile.h"

#include <QBuffer>
#include <QDir>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextLayout>

#include <cmath>
#include <functional>

namespace Worksheet {

namespace {

// Sizes on the sheet, in millimetres unless named otherwise.
constexpr qreal Margin = 18;
constexpr qreal TextPoints = 12;
constexpr qreal HeadingPoints = 13;
constexpr qreal TitlePoints = 16;
constexpr qreal SmallPoints = 10;
constexpr qreal LineSpacing = 1.3; // of the problem text, times the font's height
constexpr qreal HeadingGap = 7;    // above a heading
// The figure keeps its proportions within this room, and is never shown more
// than half again as large as on the screen (at 96 pixels to the inch), where
// its pixels would begin to show.
constexpr qreal FigureMaxWidth = 80;
constexpr qreal FigureMaxHeight = 60;
constexpr qreal FigureMaxEnlargement = 1.5;
constexpr qreal ScreenDpi = 96;
// The figure goes into the sheet smoothly scaled at this resolution.
constexpr qreal FigureDpi = 300;
// Room for handwriting: a datum on its line, a formula in its box (the
// proportions of a formula box of the panel, 113 x 41), a result on its line.
constexpr qreal DataRowHeight = 11;
constexpr qreal BlankWidth = 60;
constexpr qreal NumberWidth = 9; // "1." before a datum or a step
constexpr qreal BoxHeight = 18;
constexpr qreal BoxWidth = BoxHeight * 113 / 41;
constexpr qreal StepGap = 5;
constexpr qreal ResultBlankWidth = 55;
// The solutions: the formulas' lettering as large as the text's.
constexpr qreal FormulaPoints = 13;
constexpr qreal SolutionRowGap = 5;

const QChar ParagraphSeparator(0x2029);

// The slots a pupil meets: the data up to the first empty one, the steps up to
// the first empty result.
int dataCount(const Problem &problem)
{
    int count = 0;
    while (count < ProblemSlotCount && !problem.data[count].isEmpty())
        ++count;
    return count;
}

int stepCount(const Problem &problem)
{
    int count = 0;
    while (count < ProblemSlotCount && !problem.results[count].isEmpty())
        ++count;
    return count;
}

QString formulaOf(const Problem &problem, int step)
{
    const std::optional<int> number = problem.formulas[step];
    if (!number || *number < 0 || *number >= FormulaCatalogue::FormulaCount)
        return {};
    return QString::fromUtf8(FormulaCatalogue::entry(*number).formula);
}

// The figure at its printed size in millimetres.
QSizeF figureSize(const QImage &figure)
{
    const QSizeF onScreen = QSizeF(figure.size()) * (25.4 / ScreenDpi);
    const qreal scale = std::min({FigureMaxEnlargement, FigureMaxWidth / onScreen.width(),
                                  FigureMaxHeight / onScreen.height()});
    return onScreen * scale;
}

// The figure on a white ground, smoothly scaled to its printed size, so that
// every printer and PDF viewer shows it the same, without an alpha mask.
QImage printedFigure(const QImage &figure, const QSizeF &sizeMm)
{
    const QSize pixels = (sizeMm * (FigureDpi / 25.4)).toSize().expandedTo(QSize(1, 1));
    const QImage scaled = figure.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                              .scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage flat(pixels, QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, scaled);
    return flat;
}

// Lays the sheet out from the top of the first page down, in device pixels,
// and starts a new page whenever the next piece would not fit.
class Sheet {
public:
    Sheet(QPagedPaintDevice &device, QPainter &painter)
        : m_device(device), m_painter(painter), m_dpi(device.logicalDpiY()),
          m_width(device.width()), m_height(device.height())
    {
        m_painter.setPen(Qt::black);
    }

    qreal mm(qreal length) const { return length * m_dpi / 25.4; }
    qreal width() const { return m_width; }

    void newPage()
    {
        m_device.newPage();
        m_y = 0;
        ++m_page;
    }

    // Starts a new page unless height fits below what is there, or nothing is
    // on the page yet (a piece taller than a page is not held back for ever).
    void keepRoom(qreal height)
    {
        if (m_y > 0 && m_y + height > m_height)
            newPage();
    }

    void skip(qreal height) { m_y += height; }

    QFont font(qreal points, bool bold = false) const { return Fonts::arial(points, bold); }
    QFontMetricsF metrics(const QFont &font) const { return QFontMetricsF(font, &m_device); }

    // The lines to write a name, a class and a date on, at the top of the first page.
    void pupilLine()
    {
        const QFont small = font(SmallPoints);
        const QFontMetricsF fm = metrics(small);
        const qreal baseline = m_y + fm.ascent() + mm(4);
        m_painter.setFont(small);
        m_painter.setPen(QPen(Qt::black, mm(0.25)));
        const struct {
            QString label;
            qreal lineMm;
        } fields[] = {{QStringLiteral("Nome e cognome"), 75},
                      {QStringLiteral("Classe"), 18},
                      {QStringLiteral("Data"), 0}};
        qreal x = 0;
        for (const auto &field : fields) {
            m_painter.drawText(QPointF(x, baseline), field.label);
            x += fm.horizontalAdvance(field.label) + mm(2);
            const qreal end = field.lineMm > 0 ? x + mm(field.lineMm) : m_width;
            m_painter.drawLine(QPointF(x, baseline + mm(0.8)), QPointF(end, baseline + mm(0.8)));
            x = end + mm(6);
        }
        m_y = baseline + fm.descent() + mm(3);
    }

    // A heading, kept on one page with the first `following` millimetres of
    // what it heads.
    void heading(const QString &text, qreal points, qreal following)
    {
        const QFont bold = font(points, true);
        const QFontMetricsF fm = metrics(bold);
        const qreal gap = m_y > 0 ? mm(HeadingGap) : 0;
        keepRoom(gap + fm.height() + mm(following));
        if (m_y > 0)
            m_y += gap;
        m_painter.setFont(bold);
        m_painter.drawText(QPointF(0, m_y + fm.ascent()), text);
        m_y += fm.height() + mm(2);
    }

    // Text wrapped to the width from x, line by line, each line going to a
    // new page when it does not fit; leaves the position below its last line.
    void paragraphs(const QString &text, const QFont &font, qreal x, qreal width,
                    qreal spacing = 1.0)
    {
        static const QRegularExpression breaks(QStringLiteral("\r\n|[\r\n\u2029]"));
        QString joined = text;
        joined.replace(breaks, QString(ParagraphSeparator));
        for (const QString &paragraph : joined.split(ParagraphSeparator))
            wrapped(paragraph, font, x, width, spacing);
    }

    // The baseline of the first line paragraphs() would write at the present
    // position.
    qreal firstBaseline(const QFont &font) const { return m_y + metrics(font).ascent(); }

    void datumBlanks(int count)
    {
        const QFont text = font(TextPoints);
        const qreal columnWidth = m_width / 2;
        for (int k = 0; k < count; k += 2) {
            keepRoom(mm(DataRowHeight));
            const qreal baseline = m_y + mm(DataRowHeight) - mm(3);
            for (int column = 0; column < 2 && k + column < count; ++column) {
                const qreal x = column * columnWidth;
                number(k + column, x, baseline, text);
                m_painter.drawText(QPointF(x + mm(NumberWidth), baseline),
                                   blank(text, mm(BlankWidth)));
            }
            m_y += mm(DataRowHeight);
        }
    }

    // Each step: its number, an empty box for the formula and "= ________".
    void stepBlanks(int count)
    {
        const QFont text = font(TextPoints);
        const qreal textMiddle = metrics(text).ascent() * 0.35;
        for (int k = 0; k < count; ++k) {
            keepRoom(mm(BoxHeight + StepGap));
            const QRectF box(mm(NumberWidth), m_y + mm(1), mm(BoxWidth), mm(BoxHeight));
            const qreal baseline = box.center().y() + textMiddle;
            number(k, 0, baseline, text);
            m_painter.save();
            m_painter.setPen(QPen(Qt::black, mm(0.3)));
            m_painter.setBrush(Qt::NoBrush);
            m_painter.drawRect(box);
            m_painter.restore();
            m_painter.setFont(text);
            m_painter.drawText(QPointF(box.right() + mm(4), baseline),
                               QStringLiteral("= ") + blank(text, mm(ResultBlankWidth)));
            m_y = box.bottom() + mm(StepGap);
        }
    }

    void datumValues(const Problem &problem, int count)
    {
        const QFont text = font(TextPoints);
        for (int k = 0; k < count; ++k) {
            keepRoom(metrics(text).height() + mm(2));
            number(k, 0, firstBaseline(text), text);
            paragraphs(problem.data[k], text, mm(NumberWidth), m_width - mm(NumberWidth));
            m_y += mm(2);
        }
    }

    // Each step: its number, its formula as the panel draws it, "= " and its result.
    void stepSolutions(const Problem &problem, int count)
    {
        const QFont text = font(TextPoints);
        const QFontMetricsF fm = metrics(text);
        const qreal letterHeight = FormulaPoints * m_dpi / 72;
        for (int k = 0; k < count; ++k) {
            const QString formula = formulaOf(problem, k);
            FormulaRenderer::Extent extent{0, 0, 0};
            if (!formula.isEmpty())
                extent = FormulaRenderer::extent(formula, letterHeight);
            const qreal ascent = std::max(extent.ascent, fm.ascent());
            keepRoom(ascent + std::max(extent.descent, fm.descent()) + mm(SolutionRowGap));
            const qreal top = m_y;
            const qreal baseline = top + ascent;
            number(k, 0, baseline, text);
            qreal x = mm(NumberWidth);
            if (!formula.isEmpty()) {
                FormulaRenderer::paint(m_painter, formula, QPointF(x, baseline), letterHeight);
                x += extent.width + mm(3);
            }
            m_y = baseline - fm.ascent();
            const int page = m_page;
            paragraphs(QStringLiteral("= ") + problem.results[k], text, x, m_width - x);
            if (page == m_page)
                m_y = std::max(m_y, baseline + extent.descent);
            m_y += mm(SolutionRowGap);
        }
    }

    void figure(const QImage &image)
    {
        const QSizeF size = figureSize(image);
        const QSizeF onPage(mm(size.width()), mm(size.height()));
        keepRoom(mm(4) + onPage.height());
        if (m_y > 0)
            m_y += mm(4);
        m_painter.drawImage(QRectF(QPointF((m_width - onPage.width()) / 2, m_y), onPage),
                            printedFigure(image, size));
        m_y += onPage.height();
    }

private:
    void wrapped(const QString &paragraph, const QFont &font, qreal x, qreal width, qreal spacing)
    {
        QTextLayout layout(paragraph, font, &m_device);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.setCacheEnabled(true);
        std::vector<QTextLine> lines;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            line.setPosition(QPointF(0, 0));
            lines.push_back(line);
        }
        layout.endLayout();
        const qreal lineHeight = metrics(font).height() * spacing;
        for (const QTextLine &line : lines) {
            keepRoom(lineHeight);
            line.draw(&m_painter, QPointF(x, m_y));
            m_y += lineHeight;
        }
    }

    void number(int slot, qreal x, qreal baseline, const QFont &font)
    {
        m_painter.setFont(font);
        m_painter.drawText(QPointF(x, baseline), QStringLiteral("%1.").arg(slot + 1));
    }

    // A run of underscores about `length` long: a line to write on that also
    // reads as a blank when the sheet is turned back into text.
    QString blank(const QFont &font, qreal length) const
    {
        const qreal underscore = metrics(font).horizontalAdvance(QLatin1Char('_'));
        const int count = underscore > 0 ? int(length / underscore) : 8;
        return QString(std::max(count, 8), QLatin1Char('_'));
    }

    QPagedPaintDevice &m_device;
    QPainter &m_painter;
    qreal m_dpi;
    qreal m_width;
    qreal m_height;
    qreal m_y = 0;
    int m_page = 0;
};

} // namespace

void setPage(QPagedPaintDevice &device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(Margin, Margin, Margin, Margin),
                                     QPageLayout::Millimeter));
}

namespace {

// The pupil's sheet from the top of a page, under its caption when it has one.
void paintSheet(Sheet &sheet, const Problem &problem, const QImage &figure, const QString &caption)
{
    const int data = dataCount(problem);
    const int steps = stepCount(problem);
    if (!caption.isEmpty())
        sheet.heading(caption, HeadingPoints, 4);
    sheet.pupilLine();
    if (!problem.text.trimmed().isEmpty()) {
        sheet.heading(QStringLiteral("Problema"), HeadingPoints, 10);
        sheet.paragraphs(problem.text, sheet.font(TextPoints), 0, sheet.width(), LineSpacing);
    }
    if (!figure.isNull())
        sheet.figure(figure);
    if (data > 0) {
        sheet.heading(QStringLiteral("Dati"), HeadingPoints, DataRowHeight);
        sheet.datumBlanks(data);
    }
    if (steps > 0) {
        sheet.heading(QStringLiteral("Formule e risultati"), HeadingPoints, BoxHeight + StepGap);
        sheet.stepBlanks(steps);
    }
}

// The solutions from the top of a page, headed with what they are the
// solutions of: "Soluzioni", "Soluzioni: Rombo" or "Soluzioni – Variante 3".
void paintSolutions(Sheet &sheet, const Problem &problem, const QString &heading)
{
    const int data = dataCount(problem);
    const int steps = stepCount(problem);
    sheet.heading(heading, TitlePoints, 0);
    if (data > 0) {
        sheet.heading(QStringLiteral("Dati"), HeadingPoints, 8);
        sheet.datumValues(problem, data);
    }
    if (steps > 0) {
        sheet.heading(QStringLiteral("Formule e risultati"), HeadingPoints, 12);
        sheet.stepSolutions(problem, steps);
    }
}

} // namespace

bool paint(QPagedPaintDevice &device, const Problem &problem, const QImage &figure,
           bool withSolutions, const QString &name)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    Sheet sheet(device, painter);
    paintSheet(sheet, problem, figure, {});
    if (withSolutions) {
        sheet.newPage();
        paintSolutions(sheet, problem,
                       name.isEmpty() ? QStringLiteral("Soluzioni")
                                      : QStringLiteral("Soluzioni: %1").arg(name));
    }
    return painter.end();
}

bool paintSet(QPagedPaintDevice &device, const QList<Problem> &problems, const QImage &figure,
              SetPart part)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    Sheet sheet(device, painter);
    for (int i = 0; i < problems.size(); ++i) {
        if (i > 0)
            sheet.newPage();
        const QString caption = QStringLiteral("Variante %1").arg(i + 1);
        if (part == SetPart::Sheets)
            paintSheet(sheet, problems[i], figure, caption);
        else
            paintSolutions(sheet, problems[i], QStringLiteral("Soluzioni – ") + caption);
    }
    return painter.end();
}

QByteArray pdfBytes(const Painting &paint, const QString &title, const QPageLayout *layout,
                    int resolution)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool painted;
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Zenuvio"));
        writer.setTitle(title);
        if (resolution > 0)
            writer.setResolution(resolution);
        if (layout)
            writer.setPageLayout(*layout);
        else
            setPage(writer);
        painted = paint(writer);
    }
    return painted ? buffer.data() : QByteArray();
}

namespace {

// The PDF's bytes replace the file whole; otherwise `notWritten` with the
// cause, when there is one.
QString writeWhole(const QString &pdfPath, const QByteArray &bytes, const QString &notWritten)
{
    if (bytes.isEmpty())
        return notWritten + QLatin1Char('.');
    const QString reason = WholeFile::write(pdfPath, bytes);
    if (!reason.isEmpty())
        return notWritten + QStringLiteral(": ") + reason;
    return {};
}

} // namespace

QString writeSetPdf(const QString &pdfPath, const QList<Problem> &problems, const QImage &figure,
                    SetPart part)
{
    const bool sheets = part == SetPart::Sheets;
    const QString notWritten =
        QStringLiteral("Impossibile scrivere %1 nel file «%2»")
            .arg(sheets ? QStringLiteral("le schede") : QStringLiteral("le soluzioni"),
                 QDir::toNativeSeparators(pdfPath));
    const QByteArray bytes = pdfBytes(
        [&](QPagedPaintDevice &device) { return paintSet(device, problems, figure, part); },
        sheets ? QStringLiteral("Schede delle varianti")
               : QStringLiteral("Soluzioni delle varianti"));
    return writeWhole(pdfPath, bytes, notWritten);
}

QByteArray pdfBytes(const Problem &problem, const QImage &figure, bool withSolutions,
                    const QString &name, const QPageLayout *layout, int resolution)
{
    const QString title = !name.isEmpty() ? name
                          : withSolutions ? QStringLiteral("Scheda del problema, con le soluzioni")
                                          : QStringLiteral("Scheda del problema");
    return pdfBytes(
        [&](QPagedPaintDevice &device) {
            return paint(device, problem, figure, withSolutions, name);
        },
        title, layout, resolution);
}

QString writePdf(const QString &pdfPath, const Problem &problem, const QImage &figure,
                 bool withSolutions, const QString &name)
{
    const QString notWritten = QStringLiteral("Impossibile scrivere la scheda nel file «%1»")
                                   .arg(QDir::toNativeSeparators(pdfPath));
    const QByteArray bytes = pdfBytes(problem, figure, withSolutions, name);
    return writeWhole(pdfPath, bytes, notWritten);
}

} // namespace Worksheet
