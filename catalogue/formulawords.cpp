#include "formulawords.h"

#include <QRegularExpression>
#include <QStringList>
#include <vector>

// The formula is cut into tokens, each bracket and parenthesis is paired with
// its closer, and a small recursive reader turns the tokens into words. Every
// piece it reads carries a tail, the words that set it off from whatever
// follows: nothing for a plain term, ", il tutto" for a group of more than one
// term, and a bare "," after a fraction whose numerator or denominator needed
// a tail of its own. A tail left at the end of the formula is dropped.

namespace FormulaWords {

namespace {

enum class Kind { Term, Operator, Square, Slash, Open, Close, Root, Other };

struct Token {
    Kind kind;
    QString text;
    int match = -1; // for an opener, the index of its closer
};

struct Piece {
    QString words;
    QString tail;
    bool single = true; // one term, not a row of several
};

QString operatorWord(const QString &symbol)
{
    if (symbol == QLatin1String("="))
        return QStringLiteral("uguale");
    if (symbol == QLatin1String("+"))
        return QStringLiteral("più");
    if (symbol == QStringLiteral("−"))
        return QStringLiteral("meno");
    return QStringLiteral("per"); // "×" and "·"
}

Kind kindOf(QChar c)
{
    static const QString operators = QStringLiteral("=+−×·");
    if (operators.contains(c))
        return Kind::Operator;
    if (c == QChar(0x00B2))
        return Kind::Square;
    if (c == QLatin1Char('/'))
        return Kind::Slash;
    if (c == QLatin1Char('(') || c == QLatin1Char('['))
        return Kind::Open;
    if (c == QLatin1Char(')') || c == QLatin1Char(']'))
        return Kind::Close;
    if (c == QChar(0x221A))
        return Kind::Root;
    return Kind::Other;
}

std::vector<Token> tokenize(const QString &formula)
{
    std::vector<Token> tokens;
    std::vector<int> openers;
    for (int i = 0; i < formula.size(); ++i) {
        const QChar c = formula.at(i);
        if (c.isSpace())
            continue;
        if (c.isLetter() || c.isDigit()) {
            const int start = i;
            while (i + 1 < formula.size() &&
                   (formula.at(i + 1).isLetter() || formula.at(i + 1).isDigit()))
                ++i;
            tokens.push_back({Kind::Term, formula.mid(start, i + 1 - start)});
            continue;
        }
        const Kind kind = kindOf(c);
        tokens.push_back({kind, QString(c)});
        const int index = int(tokens.size()) - 1;
        if (kind == Kind::Open) {
            openers.push_back(index);
        } else if (kind == Kind::Close && !openers.empty()) {
            // A closer pairs only with the innermost opener of its own shape;
            // any other closer stays unpaired and is spoken as written.
            const bool round = tokens[openers.back()].text == QLatin1String("(");
            if (c == QLatin1Char(round ? ')' : ']')) {
                tokens[openers.back()].match = index;
                openers.pop_back();
            }
        }
    }
    return tokens;
}

// The words of a term: names as written, a number before a segment name as a product.
QString termWords(const QString &term)
{
    static const QRegularExpression product(QStringLiteral("^(\\d+)(\\p{Lu}{2})$"));
    const QRegularExpressionMatch match = product.match(term);
    return match.hasMatch() ? match.captured(1) + QStringLiteral(" per ") + match.captured(2)
                            : term;
}

QString spaced(const QStringList &parts)
{
    QStringList filled = parts;
    filled.removeAll(QString());
    return filled.join(QLatin1Char(' '));
}

// A group's tail: a row of several terms is closed as a whole.
QString closing(const Piece &inner)
{
    return inner.single ? inner.tail : QStringLiteral(", il tutto");
}

class Reader {
public:
    explicit Reader(std::vector<Token> tokens) : tokens(std::move(tokens)) {}

    QString all() { return row(int(tokens.size())).words; }

private:
    // Reads the tokens up to end as one row of terms and operators.
    Piece row(int end)
    {
        Piece result;
        int count = 0;
        while (position < end) {
            const Piece next = item(end);
            ++count;
            if (next.words.isEmpty())
                continue;
            result.words = result.words.isEmpty()
                               ? next.words
                               : result.words + result.tail + QLatin1Char(' ') + next.words;
            result.tail = next.tail;
        }
        result.single = count <= 1;
        return result;
    }

    bool startsOperand(int i, int end) const
    {
        if (i >= end)
            return false;
        const Token &token = tokens[i];
        return token.kind == Kind::Term || (token.kind == Kind::Open && token.match >= 0) ||
               (token.kind == Kind::Root && startsOperand(i + 1, end));
    }

    // Reads one operator, one operand, or one fraction of two operands.
    Piece item(int end)
    {
        const Token &token = tokens[position];
        if (!startsOperand(position, end)) {
            ++position;
            if (token.kind == Kind::Operator)
                return {operatorWord(token.text), QString()};
            if (token.kind == Kind::Square)
                return {QStringLiteral("al quadrato"), QString()};
            return {token.text, QString()};
        }
        const bool bracketed = token.text == QLatin1String("[");
        const Piece first = operand();
        if (position < end && tokens[position].kind == Kind::Slash &&
            startsOperand(position + 1, end)) {
            ++position;
            const Piece numerator = bracketed ? Piece{first.words, closing(first)} : first;
            const Piece denominator = operand();
            const bool setOff = !numerator.tail.isEmpty() || !denominator.tail.isEmpty();
            return {spaced({numerator.words + numerator.tail, QStringLiteral("fratto"),
                            denominator.words}),
                    setOff ? QStringLiteral(",") : QString()};
        }
        // Brackets without a bar only mark where a numerator would be.
        return first;
    }

    // Reads a term, a group or a root, with any squares after it.
    Piece operand()
    {
        const Token &token = tokens[position++];
        Piece result;
        if (token.kind == Kind::Root) {
            const Piece argument = operand();
            return {spaced({QStringLiteral("radice quadrata di"), argument.words}), argument.tail};
        }
        if (token.kind == Kind::Open) {
            const Piece inner = row(token.match);
            position = token.match + 1;
            if (token.text == QLatin1String("["))
                return inner;
            result = {inner.words, closing(inner)};
        } else {
            result = {termWords(token.text), QString()};
        }
        while (position < int(tokens.size()) && tokens[position].kind == Kind::Square) {
            ++position;
            result = {spaced({result.words + result.tail, QStringLiteral("al quadrato")}),
                      QString()};
        }
        return result;
    }

    std::vector<Token> tokens;
    int position = 0;
};

} // namespace

QString spoken(const QString &formula)
{
    return Reader(tokenize(formula)).all();
}

} // namespace FormulaWords
