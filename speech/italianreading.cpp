#include "italianreading.h"

#include <QRegularExpression>
#include <QStringList>

// Numbers are read in chunks: below a thousand, then below a million, which
// Italian writes as one word ("duemilatrecentoventitré"), then millions and
// billions, which stand apart ("un milione duecentomila"). Where two parts
// meet, the rules of Italian are applied: a ten loses its last vowel before
// "uno" and "otto" (ventuno, trentotto), "cento" loses it before "ottanta"
// (centottanta) but keeps it before "uno" and "otto" (centouno, centootto),
// and a compound that ends in "tre" takes the accent (ventitré, milletré).

namespace {

const char *const UnitWords[] = {"zero",   "uno", "due",   "tre",  "quattro",
                                 "cinque", "sei", "sette", "otto", "nove"};
const char *const TeenWords[] = {"dieci",    "undici", "dodici",      "tredici",  "quattordici",
                                 "quindici", "sedici", "diciassette", "diciotto", "diciannove"};
const char *const TenWords[] = {"",          "",         "venti",    "trenta",  "quaranta",
                                "cinquanta", "sessanta", "settanta", "ottanta", "novanta"};

// Longest whole number read as words; longer ones are read digit by digit.
constexpr int MaxWholeDigits = 12;
// Longest decimal part (after its leading zeros) read as a number.
constexpr int MaxFractionDigits = 3;

QString word(const char *text)
{
    return QString::fromUtf8(text);
}

// 1..99
QString belowHundred(int n)
{
    if (n < 10)
        return word(UnitWords[n]);
    if (n < 20)
        return word(TeenWords[n - 10]);
    QString tens = word(TenWords[n / 10]);
    if (n % 10 == 0)
        return tens;
    const QString unit = word(UnitWords[n % 10]);
    if (unit.startsWith(QLatin1Char('u')) || unit.startsWith(QLatin1Char('o')))
        tens.chop(1); // ventuno, trentotto
    return tens + unit;
}

// 1..999
QString belowThousand(int n)
{
    const int hundreds = n / 100;
    const int rest = n % 100;
    QString text;
    if (hundreds == 1)
        text = QStringLiteral("cento");
    else if (hundreds > 1)
        text = word(UnitWords[hundreds]) + QStringLiteral("cento");
    if (rest == 0)
        return text;
    if (hundreds > 0 && rest >= 80 && rest < 90)
        text.chop(1); // centottanta, duecentottantotto
    return text + belowHundred(rest);
}

// 1..999 999, as one word.
QString belowMillion(int n)
{
    const int thousands = n / 1000;
    QString text;
    if (thousands == 1)
        text = QStringLiteral("mille");
    else if (thousands > 1)
        text = belowThousand(thousands) + QStringLiteral("mila");
    if (n % 1000 > 0)
        text += belowThousand(n % 1000);
    if (text.endsWith(QLatin1String("tre")) && text.size() > 3) {
        text.chop(1);
        text += QChar(0x00E9); // ventitré
    }
    return text;
}

QString cardinal(qint64 n)
{
    if (n == 0)
        return word(UnitWords[0]);
    struct Scale {
        qint64 size;
        const char *one;
        const char *many;
    };
    static const Scale Scales[] = {{1000000000, "un miliardo", "miliardi"},
                                   {1000000, "un milione", "milioni"}};
    QStringList words;
    for (const Scale &scale : Scales) {
        const int count = int(n / scale.size % 1000);
        if (count == 1)
            words << word(scale.one);
        else if (count > 1)
            words << belowMillion(count) + QLatin1Char(' ') + word(scale.many);
    }
    if (n % 1000000 > 0)
        words << belowMillion(int(n % 1000000));
    return words.join(QLatin1Char(' '));
}

QString oneByOne(const QString &digits)
{
    QStringList words;
    for (QChar digit : digits)
        words << word(UnitWords[digit.digitValue()]);
    return words.join(QLatin1Char(' '));
}

// Leading zeros said one by one ("zero cinque"), then the rest as a number,
// or digit by digit when it is longer than maxDigits.
QString digitsWords(const QString &digits, int maxDigits)
{
    int zeros = 0;
    while (zeros < digits.size() - 1 && digits.at(zeros) == QLatin1Char('0'))
        ++zeros;
    const QString rest = digits.mid(zeros);
    QString words = oneByOne(digits.left(zeros));
    if (!words.isEmpty())
        words += QLatin1Char(' ');
    return words + (rest.size() > maxDigits ? oneByOne(rest) : cardinal(rest.toLongLong()));
}

// A number as written: "56,25", "1.000", "12.500,5", or a point for a comma,
// "7.5", read "sette punto cinque". Anything else ("1,5,7") is left as it is.
QString numberWords(const QString &number)
{
    static const QRegularExpression italian(
        QStringLiteral("^([0-9]{1,3}(?:\\.[0-9]{3})+|[0-9]+)(?:,([0-9]+))?$"));
    static const QRegularExpression pointed(QStringLiteral("^([0-9]+)\\.([0-9]+)$"));
    QRegularExpressionMatch match = italian.match(number);
    QString separator = QStringLiteral(" virgola ");
    if (!match.hasMatch()) {
        match = pointed.match(number);
        separator = QStringLiteral(" punto ");
    }
    if (!match.hasMatch())
        return number;
    QString whole = match.captured(1);
    whole.remove(QLatin1Char('.'));
    QString words = digitsWords(whole, MaxWholeDigits);
    if (match.hasCaptured(2))
        words += separator + digitsWords(match.captured(2), MaxFractionDigits);
    return words;
}

struct Unit {
    const char *written;
    const char *one;
    const char *many;
};

const Unit Units[] = {
    {"mm", "millimetro", "millimetri"}, {"cm", "centimetro", "centimetri"},
    {"dm", "decimetro", "decimetri"},   {"m", "metro", "metri"},
    {"dam", "decametro", "decametri"},  {"hm", "ettometro", "ettometri"},
    {"km", "chilometro", "chilometri"},
};

QString unitWords(const QString &written, bool squared, bool one)
{
    for (const Unit &unit : Units) {
        if (written == QLatin1String(unit.written)) {
            QString words = word(one ? unit.one : unit.many);
            if (squared)
                words += one ? QStringLiteral(" quadrato") : QStringLiteral(" quadrati");
            return words;
        }
    }
    return written;
}

// The nouns of the program's own texts that "1" may count ("1 dato", "1
// formula"): "uno" becomes the article that goes with them.
QString oneBefore(const QString &noun)
{
    static const QStringList masculine = {QStringLiteral("dato"), QStringLiteral("risultato"),
                                          QStringLiteral("errore"), QStringLiteral("passaggio")};
    static const QStringList feminine = {QStringLiteral("formula")};
    if (masculine.contains(noun))
        return QStringLiteral("un");
    if (feminine.contains(noun))
        return QStringLiteral("una");
    return word(UnitWords[1]);
}

// Text between the numbers: as written, but a square sign on its own ("AB²",
// "«²»") is said "al quadrato", as in the words of the formulas.
QString asWritten(const QString &text)
{
    QString out;
    for (QChar c : text) {
        if (c == QChar(0x00B2)) {
            if (!out.isEmpty() && !out.back().isSpace() && out.back() != QChar(0x00AB))
                out += QLatin1Char(' ');
            out += QStringLiteral("al quadrato");
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

namespace ItalianReading {

QString spoken(const QString &text)
{
    // A number that is not part of a name, then perhaps a unit; neither may
    // run on into a letter or a digit.
    static const QRegularExpression quantity(
        QStringLiteral("(?<![\\p{L}\\p{N}_])([0-9]+(?:[.,][0-9]+)*)"
                       "(?:[ \\x{00A0}\\x{202F}]*(mm|cm|dm|dam|hm|km|m)(²|\\^2|q|2)?)?"
                       "(?![\\p{L}\\p{N}_])"));
    static const QRegularExpression nextWord(QStringLiteral("^ +(\\p{L}+)"));
    QString out;
    qsizetype at = 0;
    for (const QRegularExpressionMatch &match : quantity.globalMatch(text)) {
        out += asWritten(text.mid(at, match.capturedStart() - at));
        at = match.capturedEnd();
        const QString number = match.captured(1);
        const bool one = number == QLatin1String("1");
        if (match.hasCaptured(2)) {
            out += (one ? QStringLiteral("un") : numberWords(number)) + QLatin1Char(' ') +
                   unitWords(match.captured(2), match.hasCaptured(3), one);
        } else if (one) {
            const QRegularExpressionMatch noun = nextWord.match(text.mid(at));
            out += oneBefore(noun.captured(1));
        } else {
            out += numberWords(number);
        }
    }
    return out + asWritten(text.mid(at));
}

} // namespace ItalianReading
