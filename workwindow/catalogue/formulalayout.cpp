#include "formulalayout.h"

#include <QFontMetrics>
#include <QPainter>
#include <QtMath>

namespace FormulaLayout {

namespace {

const QChar SquareRoot(0x221A);
const QChar SuperscriptTwo(0x00B2);

QFont letteringFont(int pixelSize, bool antialiased, qreal wordSpacing = 0)
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(pixelSize);
    font.setWordSpacing(wordSpacing);
    if (antialiased) {
        font.setStyleStrategy(QFont::PreferAntialias);
    } else {
        // Two colours only: black lettering without grey edges, sharp at its
        // small size and exactly representable in a two-colour GIF.
        font.setStyleStrategy(QFont::NoAntialias);
        font.setHintingPreference(QFont::PreferFullHinting);
    }
    return font;
}

} // namespace

Style::Style(int pixelSize, bool antialiased, qreal wordSpacing)
    : font(letteringFont(pixelSize, antialiased, wordSpacing)),
      scriptFont(letteringFont(qMax(6, qRound(pixelSize * 0.7)), antialiased)),
      pixelSize(pixelSize), wordSpacing(wordSpacing), rule(qMax(1, qRound(pixelSize * 0.14))),
      stroke(qMax(1, qRound(pixelSize / 13.0))), gap(qMax(1, qRound(pixelSize * 0.12))),
      superscriptRaise(qRound(pixelSize * 0.42))
{
    // The bar of a fraction sits at the height of the middle of the plus sign,
    // so that "[A × 2] / h − b" reads as one line.
    const QRect plus = QFontMetrics(font).tightBoundingRect(QStringLiteral("+"));
    axis = plus.isEmpty() ? qRound(pixelSize * 0.35) : -(plus.top() + plus.height() / 2);
}

void TextBox::measure(const Style &style)
{
    const QFontMetrics metrics(script ? style.scriptFont : style.font);
    width = metrics.horizontalAdvance(text);
    const QRect ink = metrics.tightBoundingRect(text);
    if (ink.isEmpty()) {
        ascent = descent = 0;
    } else {
        ascent = qMax(0, -ink.top());
        descent = qMax(0, ink.bottom() + 1);
    }
}

void TextBox::paint(QPainter &painter, const Style &style, int x, int baseline) const
{
    painter.setFont(script ? style.scriptFont : style.font);
    painter.drawText(QPoint(x, baseline), text);
}

void RowBox::append(std::unique_ptr<Box> box)
{
    auto *text = dynamic_cast<TextBox *>(box.get());
    auto *last = children.empty() ? nullptr : dynamic_cast<TextBox *>(children.back().get());
    if (text && last && text->script == last->script) {
        last->text += text->text;
        return;
    }
    children.push_back(std::move(box));
}

void RowBox::measure(const Style &style)
{
    width = ascent = descent = 0;
    for (const auto &child : children) {
        child->measure(style);
        width += child->width;
        ascent = qMax(ascent, child->ascent);
        descent = qMax(descent, child->descent);
    }
}

void RowBox::paint(QPainter &painter, const Style &style, int x, int baseline) const
{
    for (const auto &child : children) {
        child->paint(painter, style, x, baseline);
        x += child->width;
    }
}

// The bar is centred on the axis; the numerator stands a gap above it and the
// denominator a gap below, both centred over the bar.
void FractionBox::measure(const Style &style)
{
    numerator->measure(style);
    denominator->measure(style);
    overhang = qMax(1, qRound(style.pixelSize * 0.1));
    width = qMax(numerator->width, denominator->width) + 2 * overhang;
    const int barTop = -style.axis - style.rule / 2;
    ascent = -barTop + style.gap + numerator->height();
    descent = barTop + style.rule + style.gap + denominator->height();
}

void FractionBox::paint(QPainter &painter, const Style &style, int x, int baseline) const
{
    const int barTop = baseline - style.axis - style.rule / 2;
    painter.fillRect(QRect(x, barTop, width, style.rule), Qt::black);
    numerator->paint(painter, style, x + (width - numerator->width) / 2,
                     barTop - style.gap - numerator->descent);
    denominator->paint(painter, style, x + (width - denominator->width) / 2,
                       barTop + style.rule + style.gap + denominator->ascent);
}

// The root sign: a short rising hook, a heavy stroke down to the foot (just
// below the baseline), a thin stroke up to the top, then the bar over the whole
// argument. The strokes are one-pixel lines at the pictures' sizes, the heavy
// one drawn twice side by side, so that they come out the same at every size
// without antialiasing; lettering set much larger thickens the thin strokes too.
void RadicalBox::measure(const Style &style)
{
    argument->measure(style);
    signWidth = qMax(6, qRound(style.pixelSize * 0.75));
    width = signWidth + 1 + argument->width + qMax(1, style.rule);
    ascent = argument->ascent + style.gap + style.rule;
    descent = qMax(argument->descent, 1);
}

void RadicalBox::paint(QPainter &painter, const Style &style, int x, int baseline) const
{
    const int barTop = baseline - ascent;
    const int foot = baseline + descent - 1;
    const int hookTop = baseline - style.axis - style.stroke;
    const int hookEnd = x + signWidth / 4;
    const int footLeft = x + signWidth / 2;
    const int topX = x + signWidth - 1;

    painter.save();
    const QPen thin(Qt::black, style.stroke);
    painter.setPen(thin);
    painter.drawLine(x, hookTop + 2 * style.stroke, hookEnd, hookTop);
    // The heavy stroke is as thick as the bar: one-pixel lines side by side.
    painter.setPen(QPen(Qt::black, 1));
    for (int thickness = 0; thickness < qMax(1, style.rule); ++thickness)
        painter.drawLine(hookEnd + thickness, hookTop, footLeft + thickness, foot);
    painter.setPen(thin);
    painter.drawLine(footLeft + style.rule, foot, topX, barTop);
    painter.restore();

    painter.fillRect(QRect(topX, barTop, x + width - topX, style.rule), Qt::black);
    argument->paint(painter, style, x + signWidth + 1, baseline);
}

void SuperscriptBox::measure(const Style &style)
{
    script.measure(style);
    width = script.width;
    ascent = style.superscriptRaise + script.ascent;
    descent = qMax(0, script.descent - style.superscriptRaise);
}

void SuperscriptBox::paint(QPainter &painter, const Style &style, int x, int baseline) const
{
    script.paint(painter, style, x, baseline - style.superscriptRaise);
}

namespace {

enum class TokenType {
    End, // stands for "no closing token"
    Term,
    Space,
    Symbol,
    Square,
    Root,
    OpenBracket,
    CloseBracket,
    OpenParen,
    CloseParen,
    Slash
};

struct Token {
    TokenType type;
    QString text;
};

std::vector<Token> tokenize(const QString &formula)
{
    std::vector<Token> tokens;
    for (int i = 0; i < formula.size(); ++i) {
        const QChar c = formula.at(i);
        if (c.isLetterOrNumber() && c != SuperscriptTwo) {
            QString term(c);
            while (i + 1 < formula.size() && formula.at(i + 1).isLetterOrNumber() &&
                   formula.at(i + 1) != SuperscriptTwo)
                term += formula.at(++i);
            tokens.push_back({TokenType::Term, term});
            continue;
        }
        TokenType type = TokenType::Symbol;
        if (c.isSpace())
            type = TokenType::Space;
        else if (c == SuperscriptTwo)
            type = TokenType::Square;
        else if (c == SquareRoot)
            type = TokenType::Root;
        else if (c == u'[')
            type = TokenType::OpenBracket;
        else if (c == u']')
            type = TokenType::CloseBracket;
        else if (c == u'(')
            type = TokenType::OpenParen;
        else if (c == u')')
            type = TokenType::CloseParen;
        else if (c == u'/')
            type = TokenType::Slash;
        tokens.push_back({type, QString(c)});
    }
    return tokens;
}

// Recursive descent over the tokens. A row runs until the closing token it
// waits for (or the end); an operand is the one thing a fraction bar or a
// root sign takes: a term with its square, a bracketed or parenthesised
// group, or another root.
class Parser {
public:
    explicit Parser(const QString &formula) : tokens(tokenize(formula)) {}

    std::unique_ptr<RowBox> parseAll()
    {
        auto row = std::make_unique<RowBox>();
        while (!atEnd())
            parseInto(*row, TokenType::End);
        return row;
    }

private:
    bool atEnd() const { return position >= tokens.size(); }
    TokenType peekType() const { return tokens[position].type; }

    bool slashFollows() const
    {
        std::size_t i = position;
        while (i < tokens.size() && tokens[i].type == TokenType::Space)
            ++i;
        return i < tokens.size() && tokens[i].type == TokenType::Slash;
    }

    void skipSpaces()
    {
        while (!atEnd() && peekType() == TokenType::Space)
            ++position;
    }

    // Reads tokens into row up to (and consuming) the closing token.
    void parseRowUntil(RowBox &row, TokenType closing)
    {
        while (!atEnd()) {
            if (peekType() == closing) {
                ++position;
                return;
            }
            parseInto(row, closing);
        }
    }

    // Reads one item into row, as a fraction when a bar follows it.
    void parseInto(RowBox &row, TokenType closing)
    {
        const TokenType type = peekType();
        // A bar with nothing before it, or a closing token nobody waits for, is lettering.
        if (type == TokenType::Space || type == TokenType::Symbol || type == TokenType::Slash ||
            ((type == TokenType::CloseBracket || type == TokenType::CloseParen) &&
             type != closing)) {
            row.append(std::make_unique<TextBox>(tokens[position++].text));
            return;
        }
        if (type == TokenType::Square) {
            ++position;
            row.append(std::make_unique<SuperscriptBox>(QStringLiteral("2")));
            return;
        }
        const bool bracketed = type == TokenType::OpenBracket;
        std::unique_ptr<Box> item = parseOperand();
        if (slashFollows()) {
            skipSpaces();
            ++position; // the slash
            skipSpaces();
            std::unique_ptr<Box> denominator =
                atEnd() ? std::make_unique<RowBox>() : parseOperand();
            row.append(std::make_unique<FractionBox>(std::move(item), std::move(denominator)));
        } else if (bracketed) {
            // Brackets only mark numerators; without a bar the content stands as it is.
            auto *group = static_cast<RowBox *>(item.get());
            for (auto &child : group->children)
                row.append(std::move(child));
        } else {
            row.append(std::move(item));
        }
    }

    std::unique_ptr<Box> parseOperand()
    {
        auto row = std::make_unique<RowBox>();
        if (atEnd())
            return row;
        const Token token = tokens[position++];
        switch (token.type) {
        case TokenType::Term:
            row->append(std::make_unique<TextBox>(token.text));
            break;
        case TokenType::OpenBracket:
            parseRowUntil(*row, TokenType::CloseBracket);
            return row;
        case TokenType::OpenParen:
            row->append(std::make_unique<TextBox>(QStringLiteral("(")));
            parseRowUntil(*row, TokenType::CloseParen);
            row->append(std::make_unique<TextBox>(QStringLiteral(")")));
            break;
        case TokenType::Root: {
            skipSpaces();
            auto argument = std::make_unique<RowBox>();
            if (!atEnd() && peekType() == TokenType::OpenParen) {
                ++position;
                parseRowUntil(*argument, TokenType::CloseParen);
            } else if (!atEnd()) {
                argument->append(parseOperand());
            }
            return std::make_unique<RadicalBox>(std::move(argument));
        }
        default:
            row->append(std::make_unique<TextBox>(token.text));
            return row;
        }
        while (!atEnd() && peekType() == TokenType::Square) {
            ++position;
            row->append(std::make_unique<SuperscriptBox>(QStringLiteral("2")));
        }
        return row;
    }

    std::vector<Token> tokens;
    std::size_t position = 0;
};

} // namespace

std::unique_ptr<RowBox> parse(const QString &formula)
{
    return Parser(formula).parseAll();
}

} // namespace FormulaLayout
