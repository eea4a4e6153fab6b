#include "decimal.h"

namespace {

constexpr __int128 One = 1000000000000; // 10^12
// Values stay below 10^26 units (10^14), so that a product of two of them
// fits in 128 bits before it is scaled back.
constexpr __int128 Limit = One * One * 100;

__int128 power10(int n)
{
    __int128 p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// numerator / denominator rounded half away from zero; denominator > 0.
__int128 roundedQuotient(__int128 numerator, __int128 denominator)
{
    const bool negative = numerator < 0;
    const __int128 n = negative ? -numerator : numerator;
    __int128 q = n / denominator;
    if ((n % denominator) * 2 >= denominator)
        ++q;
    return negative ? -q : q;
}

// The whole square root, rounded down.
__int128 wholeRoot(__int128 n)
{
    if (n < 2)
        return n;
    __int128 x = static_cast<__int128>(__builtin_sqrtl(static_cast<long double>(n)));
    while (x * x > n)
        --x;
    while ((x + 1) * (x + 1) <= n)
        ++x;
    return x;
}

} // namespace

std::optional<Decimal> Decimal::checked(__int128 units)
{
    if (units >= Limit || units <= -Limit)
        return std::nullopt;
    return Decimal(units);
}

Decimal Decimal::fromInt(long long value)
{
    return Decimal(static_cast<__int128>(value) * One);
}

std::optional<Decimal> Decimal::fromText(const QString &text, int *decimals)
{
    __int128 whole = 0;
    __int128 fraction = 0;
    int wholeDigits = 0;
    int fractionDigits = 0;
    bool separator = false;
    for (const QChar c : text) {
        if (c == QLatin1Char(',') || c == QLatin1Char('.')) {
            if (separator || wholeDigits == 0)
                return std::nullopt;
            separator = true;
        } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            const int digit = c.unicode() - '0';
            if (separator) {
                if (++fractionDigits > Places)
                    return std::nullopt;
                fraction = fraction * 10 + digit;
            } else {
                if (++wholeDigits > 14)
                    return std::nullopt;
                whole = whole * 10 + digit;
            }
        } else {
            return std::nullopt;
        }
    }
    if (wholeDigits == 0 || (separator && fractionDigits == 0))
        return std::nullopt;
    if (decimals)
        *decimals = fractionDigits;
    return checked(whole * One + fraction * power10(Places - fractionDigits));
}

std::optional<Decimal> Decimal::plus(Decimal other) const
{
    return checked(m_units + other.m_units);
}

std::optional<Decimal> Decimal::minus(Decimal other) const
{
    return checked(m_units - other.m_units);
}

std::optional<Decimal> Decimal::times(Decimal other) const
{
    return checked(roundedQuotient(m_units * other.m_units, One));
}

std::optional<Decimal> Decimal::dividedBy(Decimal other) const
{
    if (other.m_units == 0)
        return std::nullopt;
    const __int128 sign = other.m_units < 0 ? -1 : 1;
    return checked(roundedQuotient(m_units * One * sign, other.m_units * sign));
}

std::optional<Decimal> Decimal::squareRoot() const
{
    if (m_units < 0)
        return std::nullopt;
    // sqrt(u / 10^12) * 10^12 = sqrt(u * 10^12), rounded to the nearest unit:
    // the root r rounded down goes up when u * 10^12 passes (r + 1/2)^2.
    const __int128 n = m_units * One;
    __int128 r = wholeRoot(n);
    if (n - r * r > r)
        ++r;
    return Decimal(r);
}

Decimal Decimal::rounded(int decimals) const
{
    const __int128 step = power10(Places - decimals);
    return Decimal(roundedQuotient(m_units, step) * step);
}

int Decimal::decimalsNeeded() const
{
    int decimals = Places;
    __int128 u = m_units;
    while (decimals > 0 && u % 10 == 0) {
        u /= 10;
        --decimals;
    }
    return decimals;
}

QString Decimal::toText(int decimals) const
{
    const __int128 step = power10(Places - decimals);
    __int128 u = roundedQuotient(m_units, step);
    const bool negative = u < 0;
    if (negative)
        u = -u;
    QString digits;
    do {
        digits.prepend(QChar(static_cast<char16_t>('0' + static_cast<int>(u % 10))));
        u /= 10;
    } while (u > 0);
    while (digits.size() <= decimals)
        digits.prepend(QLatin1Char('0'));
    if (decimals > 0)
        digits.insert(digits.size() - decimals, QLatin1Char(','));
    return negative ? QLatin1Char('-') + digits : digits;
}

double Decimal::toDouble() const
{
    return static_cast<double>(m_units) / static_cast<double>(One);
}
