#pragma once

// A decimal number with twelve decimals kept exactly, for working out the
// catalogue's formulas the way a pupil does on paper. Sums, differences and
// products are exact; a quotient and a square root are rounded half away from
// zero at the twelfth decimal, and the result a pupil writes is rounded from
// there to the decimals wanted (toText). Any step that would leave the range
// (about ±10^14) gives no number, and so does a division by zero or the root
// of a negative number.

#include <QString>

#include <optional>

class Decimal {
public:
    static constexpr int Places = 12;

    Decimal() = default;
    static Decimal fromInt(long long value);
    // "14,14", "7.5", "60": digits with at most one comma or point; nothing
    // for anything else or more than twelve decimals. decimals, when given,
    // receives the number of digits after the separator.
    static std::optional<Decimal> fromText(const QString &text, int *decimals = nullptr);

    std::optional<Decimal> plus(Decimal other) const;
    std::optional<Decimal> minus(Decimal other) const;
    std::optional<Decimal> times(Decimal other) const;
    std::optional<Decimal> dividedBy(Decimal other) const;
    std::optional<Decimal> squareRoot() const;

    // Rounded half away from zero to that many decimals (0..12).
    Decimal rounded(int decimals) const;
    // The fewest decimals that write the number exactly (0..12).
    int decimalsNeeded() const;
    // With a decimal comma and exactly that many decimals after rounding:
    // toText(2) of 7.071 is "7,07", toText(0) of 59.5 is "60".
    QString toText(int decimals) const;
    bool isPositive() const { return m_units > 0; }
    double toDouble() const;

    bool operator==(Decimal other) const { return m_units == other.m_units; }
    bool operator!=(Decimal other) const { return m_units != other.m_units; }
    bool operator<(Decimal other) const { return m_units < other.m_units; }

private:
    explicit Decimal(__int128 units) : m_units(units) {}
    static std::optional<Decimal> checked(__int128 units);
    __int128 m_units = 0; // the value times 10^12
};
