#include "formulaexpression.h"

#include "formulacatalogue.h"

#include <algorithm>
#include <vector>

struct FormulaExpression::Node {
    enum class Op { Number, Name, Add, Subtract, Multiply, Divide, Root, Square } op;
    Decimal number;
    QString name;
    std::shared_ptr<const Node> left, right;
};

namespace {

using Node = FormulaExpression::Node;
using NodePtr = std::shared_ptr<const Node>;

NodePtr make(Node::Op op, NodePtr left = nullptr, NodePtr right = nullptr)
{
    auto node = std::make_shared<Node>();
    node->op = op;
    node->left = std::move(left);
    node->right = std::move(right);
    return node;
}

// A recursive-descent reader over the formula's characters; blanks between
// symbols are skipped.
class Reader {
public:
    explicit Reader(const QString &text) : m_text(text) {}

    bool failed() const { return m_failed; }
    bool atEnd()
    {
        skipBlanks();
        return m_pos >= m_text.size();
    }
    bool take(char16_t symbol)
    {
        skipBlanks();
        if (m_pos < m_text.size() && m_text.at(m_pos).unicode() == symbol) {
            ++m_pos;
            return true;
        }
        return false;
    }
    bool takeMinus() { return take(u'−') || take(u'-'); }

    // sum := product (("+" | "−") product)*
    NodePtr sum()
    {
        NodePtr node = product();
        for (;;) {
            if (take(u'+'))
                node = make(Node::Op::Add, node, product());
            else if (takeMinus())
                node = make(Node::Op::Subtract, node, product());
            else
                return node;
        }
    }

    // The output: a name, or names joined by "+".
    QStringList outputNames()
    {
        QStringList names{name()};
        while (take(u'+'))
            names.append(name());
        return names;
    }

    std::vector<QString> names;

private:
    void skipBlanks()
    {
        while (m_pos < m_text.size() && m_text.at(m_pos).isSpace())
            ++m_pos;
    }
    NodePtr fail()
    {
        m_failed = true;
        return make(Node::Op::Number);
    }
    bool isNameChar(int pos) const
    {
        return pos < m_text.size() && (m_text.at(pos).isLetter() || m_text.at(pos).isDigit());
    }

    // product := power (("×" | "·" | "/") power)*
    NodePtr product()
    {
        NodePtr node = power();
        for (;;) {
            if (take(u'×') || take(u'·'))
                node = make(Node::Op::Multiply, node, power());
            else if (take(u'/'))
                node = make(Node::Op::Divide, node, power());
            else
                return node;
        }
    }

    // power := primary "²"?
    NodePtr power()
    {
        NodePtr node = primary();
        if (take(u'²'))
            node = make(Node::Op::Square, node);
        return node;
    }

    NodePtr primary()
    {
        if (m_failed)
            return fail();
        if (take(u'(')) {
            NodePtr node = sum();
            return take(u')') ? node : fail();
        }
        if (take(u'[')) {
            NodePtr node = sum();
            return take(u']') ? node : fail();
        }
        if (take(u'√'))
            return make(Node::Op::Root, power());
        skipBlanks();
        if (m_pos >= m_text.size())
            return fail();
        if (m_text.at(m_pos).isDigit())
            return numberOrPerimeter();
        if (m_text.at(m_pos).isLetter())
            return nameNode(name());
        return fail();
    }

    NodePtr numberOrPerimeter()
    {
        const int start = m_pos;
        while (m_pos < m_text.size() && m_text.at(m_pos).isDigit())
            ++m_pos;
        const QString digits = m_text.mid(start, m_pos - start);
        if (digits == QLatin1String("2") && m_pos < m_text.size() &&
            m_text.at(m_pos) == QLatin1Char('p') && !isNameChar(m_pos + 1)) {
            ++m_pos;
            return nameNode(QStringLiteral("2p"));
        }
        auto number = std::make_shared<Node>();
        number->op = Node::Op::Number;
        number->number = *Decimal::fromText(digits);
        // "2HB": a number against a segment's name is a product.
        if (m_pos < m_text.size() && m_text.at(m_pos).isUpper())
            return make(Node::Op::Multiply, number, nameNode(name()));
        return number;
    }

    QString name()
    {
        skipBlanks();
        const int start = m_pos;
        if (m_text.mid(m_pos, 2) == QLatin1String("2p") && !isNameChar(m_pos + 2)) {
            m_pos += 2;
            return QStringLiteral("2p");
        }
        if (m_pos >= m_text.size() || !m_text.at(m_pos).isLetter()) {
            m_failed = true;
            return QString();
        }
        while (isNameChar(m_pos))
            ++m_pos;
        return m_text.mid(start, m_pos - start);
    }

    NodePtr nameNode(const QString &name)
    {
        auto node = std::make_shared<Node>();
        node->op = Node::Op::Name;
        node->name = name;
        if (std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
        return node;
    }

    const QString &m_text;
    int m_pos = 0;
    bool m_failed = false;
};

std::optional<Decimal> evaluateNode(const Node &node, const QHash<QString, Decimal> &values)
{
    if (node.op == Node::Op::Number)
        return node.number;
    if (node.op == Node::Op::Name) {
        const auto it = values.constFind(node.name);
        return it == values.constEnd() ? std::nullopt : std::optional<Decimal>(*it);
    }
    const std::optional<Decimal> left = evaluateNode(*node.left, values);
    if (!left)
        return std::nullopt;
    if (node.op == Node::Op::Root)
        return left->squareRoot();
    if (node.op == Node::Op::Square)
        return left->times(*left);
    const std::optional<Decimal> right = evaluateNode(*node.right, values);
    if (!right)
        return std::nullopt;
    switch (node.op) {
    case Node::Op::Add:
        return left->plus(*right);
    case Node::Op::Subtract:
        return left->minus(*right);
    case Node::Op::Multiply:
        return left->times(*right);
    default:
        return left->dividedBy(*right);
    }
}

// The power of length the node works out to (0 for a number), or nothing
// when a sum mixes powers or a root is taken of an odd power.
std::optional<int> powerOf(const Node &node)
{
    switch (node.op) {
    case Node::Op::Number:
        return 0;
    case Node::Op::Name:
        return static_cast<int>(FormulaExpression::dimensionOf(node.name));
    case Node::Op::Root: {
        const std::optional<int> inner = powerOf(*node.left);
        if (!inner || *inner % 2 != 0)
            return std::nullopt;
        return *inner / 2;
    }
    case Node::Op::Square: {
        const std::optional<int> inner = powerOf(*node.left);
        return inner ? std::optional<int>(*inner * 2) : std::nullopt;
    }
    default:
        break;
    }
    const std::optional<int> left = powerOf(*node.left);
    const std::optional<int> right = powerOf(*node.right);
    if (!left || !right)
        return std::nullopt;
    if (node.op == Node::Op::Multiply)
        return *left + *right;
    if (node.op == Node::Op::Divide)
        return *left - *right;
    if (*left != *right)
        return std::nullopt;
    return *left;
}

} // namespace

std::optional<FormulaExpression> FormulaExpression::parse(const QString &formula)
{
    Reader reader(formula);
    const QStringList outputs = reader.outputNames();
    if (reader.failed() || !reader.take(u'='))
        return std::nullopt;
    reader.names.clear();
    NodePtr right = reader.sum();
    if (reader.failed() || !reader.atEnd() || reader.names.empty())
        return std::nullopt;
    FormulaExpression expression;
    expression.m_text = formula;
    expression.m_output = outputs.join(QStringLiteral(" + "));
    expression.m_outputDimension =
        outputs.size() == 1 ? dimensionOf(outputs.first()) : Dimension::Length;
    for (const QString &name : reader.names)
        expression.m_inputs.append(name);
    expression.m_right = std::move(right);
    return expression;
}

const FormulaExpression &FormulaExpression::ofCatalogue(int number)
{
    static const std::vector<FormulaExpression> all = [] {
        std::vector<FormulaExpression> list;
        for (const FormulaCatalogue::Entry &entry : FormulaCatalogue::entries())
            list.push_back(parse(QString::fromUtf8(entry.formula)).value());
        return list;
    }();
    return all.at(static_cast<std::size_t>(number));
}

Dimension FormulaExpression::dimensionOf(const QString &name)
{
    return name == QLatin1String("A") ? Dimension::Area : Dimension::Length;
}

std::optional<int> FormulaExpression::rightSidePower() const
{
    return powerOf(*m_right);
}

std::optional<Decimal> FormulaExpression::evaluate(const QHash<QString, Decimal> &values) const
{
    const std::optional<Decimal> value = evaluateNode(*m_right, values);
    if (!value || !value->isPositive())
        return std::nullopt;
    return value;
}
