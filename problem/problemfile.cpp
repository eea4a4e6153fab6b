#include "problemfile.h"

#include "cp1252.h"
#include "fileerror.h"
#include "problemflaws.h"
#include "wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringList>

#include <cerrno>

namespace {

// No real problem comes near the longest line; the bound keeps a wrong or
// damaged file from filling the memory. A line is first gathered as bytes, up
// to four for each of its characters (UTF-8 at its widest), and measured in
// characters once decoded.
constexpr int MaxLineCharacters = ProblemMaxLineLength;
constexpr int MaxLineBytes = 4 * ProblemMaxLineLength;
constexpr int ReadChunkBytes = 16 * 1024;
// Longest piece of a wrong formula line quoted back in a message.
constexpr int QuotedFieldLength = 40;

// Where each part of the problem sits among the 26 lines, counted from 0.
constexpr int TextLine = 0;
constexpr int FigureLine = 1;
constexpr int FirstDatumLine = 2;
constexpr int FirstFormulaLine = FirstDatumLine + ProblemSlotCount;
constexpr int FirstResultLine = FirstFormulaLine + ProblemSlotCount;

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

struct FileLines {
    QStringList lines;
    QString error;
};

QString tooShortMessage(const QString &path, int lineCount)
{
    const QString start =
        QStringLiteral("Il file «%1» non contiene un problema completo: ").arg(shown(path));
    if (lineCount == 0)
        return start + QStringLiteral("è vuoto.");
    if (lineCount == 1)
        return start + QStringLiteral("ha solo 1 riga su %1.").arg(ProblemLineCount);
    return start + QStringLiteral("ha solo %1 righe su %2.").arg(lineCount).arg(ProblemLineCount);
}

QString tooLongMessage(const QString &path, int line)
{
    return QStringLiteral("Il file «%1» non è un problema di Zenuvio: la riga %2 è più lunga di %3 "
                          "caratteri.")
        .arg(shown(path), QString::number(line + 1), QString::number(MaxLineCharacters));
}

QString invalidMessage(const QString &path, int line, const QString &what)
{
    return QStringLiteral("Il file «%1» non è un problema valido: la riga %2 %3")
        .arg(shown(path), QString::number(line + 1), what);
}

// Control characters (NUL, tab, the C1 codes...) cannot be typed in a box, so
// no problem holds them.
bool isControl(QChar c)
{
    return c.category() == QChar::Other_Control;
}

// "U+0009": how a message names a character that shows nothing.
QString characterCode(QChar c)
{
    return QStringLiteral("U+%1").arg(
        QString::number(c.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0')));
}

// How the file's text is written: said by a byte-order mark at its start, or,
// without one, found from its bytes.
enum class Encoding { EightBit, Utf8, Utf16LE, Utf16BE };

Encoding markedEncoding(const QByteArray &start)
{
    if (start.startsWith("\xEF\xBB\xBF"))
        return Encoding::Utf8;
    if (start.startsWith("\xFF\xFE"))
        return Encoding::Utf16LE;
    if (start.startsWith("\xFE\xFF"))
        return Encoding::Utf16BE;
    return Encoding::EightBit;
}

int markLength(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8:
        return 3;
    case Encoding::Utf16LE:
    case Encoding::Utf16BE:
        return 2;
    case Encoding::EightBit:
        break;
    }
    return 0;
}

bool isUtf16(Encoding encoding)
{
    return encoding == Encoding::Utf16LE || encoding == Encoding::Utf16BE;
}

// Splits the file into its first 26 lines, still as bytes, reading it in
// chunks so that neither a huge file nor a file without line ends is ever held
// in memory beyond one line's bound. A UTF-16 file is split on its 16-bit
// code units.
struct Splitter {
    Encoding encoding = Encoding::EightBit;
    QList<QByteArray> lines;
    QByteArray current;
    bool afterCarriageReturn = false;
    bool tooLong = false;

    bool full() const { return lines.size() >= ProblemLineCount || tooLong; }

    // Splits what it can of bytes and removes it from there.
    void take(QByteArray &bytes)
    {
        const int unit = isUtf16(encoding) ? 2 : 1;
        qsizetype i = 0;
        for (; i + unit <= bytes.size() && !full(); i += unit) {
            const auto byte = [&](qsizetype k) { return char16_t(uchar(bytes.at(k))); };
            char16_t value = byte(i);
            if (encoding == Encoding::Utf16LE)
                value = char16_t(byte(i) | byte(i + 1) << 8);
            else if (encoding == Encoding::Utf16BE)
                value = char16_t(byte(i) << 8 | byte(i + 1));
            const bool wasAfterCarriageReturn = afterCarriageReturn;
            afterCarriageReturn = value == u'\r';
            if (value == u'\n' && wasAfterCarriageReturn)
                continue; // the LF of a CR LF pair
            if (value == u'\r' || value == u'\n') {
                lines.append(current);
                current.clear();
            } else if (current.size() >= MaxLineBytes) {
                tooLong = true;
            } else {
                current.append(bytes.constData() + i, unit);
            }
        }
        bytes.remove(0, i);
    }
};

// Whether the bytes are UTF-8 throughout, and use it for more than ASCII.
bool looksLikeUtf8(const QList<QByteArray> &lines)
{
    bool beyondAscii = false;
    for (const QByteArray &line : lines) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                      QStringDecoder::Flag::ConvertInitialBom);
        const QString decoded = utf8(line);
        if (utf8.hasError())
            return false;
        beyondAscii = beyondAscii || decoded.size() != line.size();
    }
    return beyondAscii;
}

// The text of a line of 16-bit code units; the line may end in half a unit
// (the last line of a damaged file), which wellFormedUtf16 refuses.
QString decodeUtf16(const QByteArray &line, Encoding encoding)
{
    QString text(line.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t first = uchar(line.at(2 * i)), second = uchar(line.at(2 * i + 1));
        text[i] = encoding == Encoding::Utf16LE ? QChar(char16_t(first | second << 8))
                                                : QChar(char16_t(first << 8 | second));
    }
    return text;
}

bool wellFormedUtf16(const QByteArray &line, const QString &text)
{
    return line.size() % 2 == 0 && QStringView(text).isValidUtf16();
}

// The lines as text, or the first message about a line that is not right.
FileLines decode(const QString &path, const QList<QByteArray> &lines, Encoding encoding)
{
    if (encoding == Encoding::EightBit && looksLikeUtf8(lines))
        encoding = Encoding::Utf8;
    FileLines result;
    for (int line = 0; line < lines.size(); ++line) {
        QString text;
        bool wellFormed = true;
        if (encoding == Encoding::Utf8) {
            QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                          QStringDecoder::Flag::ConvertInitialBom);
            text = utf8(lines.at(line));
            wellFormed = !utf8.hasError();
        } else if (isUtf16(encoding)) {
            text = decodeUtf16(lines.at(line), encoding);
            wellFormed = wellFormedUtf16(lines.at(line), text);
        } else {
            text = Cp1252::decode(lines.at(line));
        }
        if (!wellFormed) {
            const QString code =
                encoding == Encoding::Utf8 ? QStringLiteral("UTF-8") : QStringLiteral("UTF-16");
            return {{},
                    invalidMessage(path, line,
                                   QStringLiteral("non è scritta correttamente in %1.").arg(code))};
        }
        if (text.size() > MaxLineCharacters)
            return {{}, tooLongMessage(path, line)};
        for (const QChar c : text) {
            if (isControl(c)) {
                return {{},
                        invalidMessage(path, line,
                                       QStringLiteral("contiene un carattere di controllo "
                                                      "(%1), che in un problema non può stare.")
                                           .arg(characterCode(c)))};
            }
        }
        result.lines.append(text);
    }
    return result;
}

FileLines readLines(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return {{},
                QStringLiteral("«%1» è una cartella, non un file di problema.").arg(shown(path))};
    if (!info.exists())
        return {{}, QStringLiteral("Il file «%1» non esiste.").arg(shown(path))};
    const QString cannotOpen = QStringLiteral("Impossibile aprire il file «%1»: ").arg(shown(path));
    // A pipe or a device would block or never end: only regular files are read.
    if (!info.isFile())
        return {{}, cannotOpen + FileError::notARegularFile()};
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return {{}, cannotOpen + FileError::reason(errno, file)};

    Splitter splitter;
    QByteArray pending; // read, not yet split
    bool markRead = false;
    bool ended = false;
    char chunk[ReadChunkBytes];
    while (!ended && !splitter.full()) {
        errno = 0;
        const qint64 count = file.read(chunk, sizeof chunk);
        if (count < 0) {
            return {{},
                    QStringLiteral("Impossibile leggere il file «%1»: ").arg(shown(path)) +
                        FileError::reason(errno, file)};
        }
        ended = count == 0;
        pending.append(chunk, count);
        if (!markRead) {
            if (pending.size() < 3 && !ended)
                continue;
            splitter.encoding = markedEncoding(pending);
            pending.remove(0, markLength(splitter.encoding));
            markRead = true;
        }
        splitter.take(pending);
    }
    if (splitter.tooLong)
        return {{}, tooLongMessage(path, splitter.lines.size())};
    // The last line of a file may lack its line end.
    splitter.current += pending;
    if (splitter.lines.size() < ProblemLineCount && !splitter.current.isEmpty())
        splitter.lines.append(splitter.current);
    if (splitter.lines.size() < ProblemLineCount)
        return {{}, tooShortMessage(path, splitter.lines.size())};
    return decode(path, splitter.lines, splitter.encoding);
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QString quotedForMessage(const QString &text)
{
    if (text.size() <= QuotedFieldLength)
        return text;
    return text.left(QuotedFieldLength) + QStringLiteral("…");
}

// What a line of the file holds, to name it in a message ("il " or "nel "
// goes in front).
QString slotName(int line)
{
    if (line == TextLine)
        return QStringLiteral("testo");
    if (line == FigureLine)
        return QStringLiteral("nome della figura");
    if (line < FirstFormulaLine)
        return QStringLiteral("dato %1").arg(line - FirstDatumLine + 1);
    return QStringLiteral("risultato %1").arg(line - FirstResultLine + 1);
}

// The distinct characters of text that cannot go into a problem file, in
// order of first appearance: those Windows-1252 cannot hold, and control
// characters, which no reader takes.
QString unwritable(const QString &text)
{
    const QString unencodable = Cp1252::unencodable(text);
    QString found;
    for (int i = 0; i < text.size(); ++i) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size();
        const QString character = text.mid(i, pair ? 2 : 1);
        const bool refused =
            unencodable.contains(character) || (!pair && isControl(character.at(0)));
        if (refused && !found.contains(character))
            found += character;
        if (pair)
            ++i;
    }
    return found;
}

// A character as a message quotes it: a control character, which shows
// nothing, by its code.
QString quotedCharacter(const QString &character)
{
    if (character.size() == 1 && isControl(character.at(0)))
        return QStringLiteral("«%1»").arg(characterCode(character.at(0)));
    return QStringLiteral("«%1»").arg(character);
}

// Names the characters that cannot be written and where they are.
QString unwritableMessage(const QString &path, const QStringList &lines)
{
    QString characters;
    QStringList places;
    for (int line = 0; line < lines.size(); ++line) {
        const QString found = unwritable(lines.at(line));
        if (found.isEmpty())
            continue;
        places.append(QStringLiteral("nel ") + slotName(line));
        characters += found;
    }
    if (places.isEmpty())
        return {};
    const QString distinct = unwritable(characters);
    QStringList quoted;
    for (int i = 0; i < distinct.size(); ++i) {
        const bool pair = distinct.at(i).isHighSurrogate() && i + 1 < distinct.size();
        quoted.append(quotedCharacter(distinct.mid(i, pair ? 2 : 1)));
        if (pair)
            ++i;
    }
    const bool one = quoted.size() == 1;
    return QStringLiteral("Il problema non è stato salvato in «%1»: %2 %3 non si %4 scrivere in un "
                          "file di problema (%5). %6 e salva di nuovo.")
        .arg(shown(path), one ? QStringLiteral("il carattere") : QStringLiteral("i caratteri"),
             quoted.join(QLatin1Char(' ')), one ? QStringLiteral("può") : QStringLiteral("possono"),
             places.join(QStringLiteral(", ")),
             one ? QStringLiteral("Sostituiscilo") : QStringLiteral("Sostituiscili"));
}

// The 26 lines of the file, or an Italian message when a formula number does not exist.
QString fileLines(const Problem &problem, QStringList &lines)
{
    lines.append(ProblemFile::toSingleLine(problem.text));
    lines.append(ProblemFile::toSingleLine(problem.figureName));
    for (const QString &dato : problem.data)
        lines.append(ProblemFile::toSingleLine(dato));
    for (int i = 0; i < ProblemSlotCount; ++i) {
        const std::optional<int> formula = problem.formulas[i];
        if (formula && (*formula < 0 || *formula > HighestFormulaNumber)) {
            return QStringLiteral("Il problema non è stato salvato: il passaggio %1 ha la formula "
                                  "numero %2, che non esiste (le formule vanno da 0 a %3).")
                .arg(i + 1)
                .arg(*formula)
                .arg(HighestFormulaNumber);
        }
        lines.append(formula ? QStringLiteral(" %1 ").arg(*formula) : QString());
    }
    for (const QString &risultato : problem.results)
        lines.append(ProblemFile::toSingleLine(risultato));
    return {};
}

QString saveFailedMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("Impossibile salvare il problema nel file «%1»: %2")
        .arg(shown(path), reason);
}

} // namespace

namespace ProblemFile {

std::optional<int> formulaNumber(const QString &field)
{
    if (field.isEmpty())
        return std::nullopt;
    // Checked digit by digit, so that no length of field can overflow it.
    int value = 0;
    for (const QChar c : field) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
        if (value > HighestFormulaNumber)
            return std::nullopt;
    }
    return value;
}

ReadResult read(const QString &path)
{
    const FileLines file = readLines(path);
    if (!file.error.isEmpty())
        return {std::nullopt, file.error};
    Problem problem;
    problem.text = file.lines.at(TextLine);
    problem.figureName = file.lines.at(FigureLine);
    for (int i = 0; i < ProblemSlotCount; ++i) {
        problem.data[i] = file.lines.at(FirstDatumLine + i);
        problem.results[i] = file.lines.at(FirstResultLine + i);
        const int line = FirstFormulaLine + i;
        const QString field = readField(file.lines.at(line));
        problem.formulas[i] = formulaNumber(field);
        if (!field.isEmpty() && !problem.formulas[i]) {
            return {std::nullopt,
                    invalidMessage(
                        path, line,
                        QStringLiteral("dovrebbe contenere il numero di una formula (da "
                                       "0 a %1) o niente, ma contiene «%2».")
                            .arg(QString::number(HighestFormulaNumber), quotedForMessage(field)))};
        }
    }
    return {problem, {}};
}

ReadResult readForSolving(const QString &path)
{
    ReadResult result = read(path);
    if (!result.problem)
        return result;
    const Problem &problem = *result.problem;
    QStringList stops;
    for (const ProblemFlaws::Flaw &flaw : ProblemFlaws::find(problem))
        if (flaw.stopsThePupil)
            stops.append(flaw.text);
    if (!stops.isEmpty()) {
        return {std::nullopt,
                QStringLiteral("Il problema del file «%1» non si può risolvere fino in fondo: %2.")
                    .arg(shown(path), stops.join(QStringLiteral("; ")))};
    }
    return result;
}

QString write(const QString &path, const Problem &problem)
{
    if (path.isEmpty())
        return QStringLiteral("Il problema non è stato salvato: manca il nome del file.");
    QStringList lines;
    const QString numberError = fileLines(problem, lines);
    if (!numberError.isEmpty())
        return numberError;
    const QString characterError = unwritableMessage(path, lines);
    if (!characterError.isEmpty())
        return characterError;
    // A file the readers would refuse must not be written in the first place.
    for (int line = 0; line < lines.size(); ++line) {
        if (lines.at(line).size() > MaxLineCharacters) {
            return QStringLiteral(
                       "Il problema non è stato salvato in «%1»: il %2 è più lungo di %3 "
                       "caratteri.")
                .arg(shown(path), slotName(line), QString::number(MaxLineCharacters));
        }
    }

    const QFileInfo target(path);
    if (target.isDir())
        return saveFailedMessage(path, QStringLiteral("esiste già una cartella con questo nome."));
    if (target.exists() && !target.isFile())
        return saveFailedMessage(path, FileError::notARegularFile());
    if (!target.absoluteDir().exists()) {
        // The nearest part of the folder's path that exists: a file there
        // (a name typed with one folder too many) is said to be a file.
        QFileInfo part(target.absolutePath());
        while (!part.exists() && !part.isRoot() && part.absolutePath() != part.absoluteFilePath())
            part.setFile(part.absolutePath());
        if (part.exists() && !part.isDir())
            return saveFailedMessage(path, QStringLiteral("«%1» è un file, non una cartella.")
                                               .arg(shown(part.absoluteFilePath())));
        return saveFailedMessage(
            path, QStringLiteral("la cartella «%1» non esiste.").arg(shown(target.absolutePath())));
    }

    QByteArray bytes;
    for (const QString &line : lines)
        bytes += Cp1252::encode(line) + "\r\n";
    const QString reason = WholeFile::write(path, bytes);
    if (!reason.isEmpty())
        return saveFailedMessage(path, reason);
    return {};
}

QString withExtension(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    if (name.isEmpty())
        return path;
    if (name.endsWith(QLatin1Char('.')))
        return path + QStringLiteral("znv");
    if (!name.contains(QLatin1Char('.')))
        return path + QStringLiteral(".znv");
    return path;
}

QString readField(const QString &line)
{
    int start = 0;
    while (start < line.size() && isBlank(line.at(start)))
        ++start;
    if (start < line.size() && line.at(start) == QLatin1Char('"')) {
        const int closing = line.indexOf(QLatin1Char('"'), start + 1);
        return closing < 0 ? line.mid(start + 1) : line.mid(start + 1, closing - start - 1);
    }
    int end = line.indexOf(QLatin1Char(','), start);
    if (end < 0)
        end = line.size();
    while (end > start && isBlank(line.at(end - 1)))
        --end;
    return line.mid(start, end - start);
}

QString toSingleLine(const QString &text)
{
    QString single;
    single.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            continue; // CR LF is one line break: its LF gives the blank
        const bool lineBreak = c == QLatin1Char('\r') || c == QLatin1Char('\n') ||
                               c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
        single.append(lineBreak ? QLatin1Char(' ') : c);
    }
    return single;
}

} // namespace ProblemFile
