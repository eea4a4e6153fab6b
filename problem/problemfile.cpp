#include "problemfile.h"

#include "cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace {

// No real problem comes near the longest line; the bound keeps a wrong or
// damaged file from filling the memory. One character is one byte.
constexpr int MaxLineBytes = ProblemMaxLineLength;
constexpr int ReadChunkBytes = 16 * 1024;
// Longest piece of a wrong formula line quoted back in a message.
constexpr int QuotedFieldLength = 40;

// Where each part of the problem sits among the 26 lines, counted from 0.
constexpr int TestoLine = 0;
constexpr int FiguraLine = 1;
constexpr int FirstDatoLine = 2;
constexpr int FirstFormulaLine = FirstDatoLine + ProblemSlotCount;
constexpr int FirstRisultatoLine = FirstFormulaLine + ProblemSlotCount;

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
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

// Reads the first 26 lines in chunks, so that neither a huge file nor a file
// without line ends is ever held in memory beyond one line's bound.
FileLines readLines(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return {{},
                QStringLiteral("«%1» è una cartella, non un file di problema.").arg(shown(path))};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (!info.exists())
            return {{}, QStringLiteral("Il file «%1» non esiste.").arg(shown(path))};
        return {{},
                QStringLiteral("Impossibile aprire il file «%1»: %2")
                    .arg(shown(path), file.errorString())};
    }

    QList<QByteArray> lines;
    QByteArray current;
    bool afterCarriageReturn = false;
    char chunk[ReadChunkBytes];
    while (lines.size() < ProblemLineCount) {
        const qint64 count = file.read(chunk, sizeof chunk);
        if (count < 0) {
            return {{},
                    QStringLiteral("Impossibile leggere il file «%1»: %2")
                        .arg(shown(path), file.errorString())};
        }
        if (count == 0)
            break;
        for (qint64 i = 0; i < count && lines.size() < ProblemLineCount; ++i) {
            const char byte = chunk[i];
            const bool wasAfterCarriageReturn = afterCarriageReturn;
            afterCarriageReturn = byte == '\r';
            if (byte == '\n' && wasAfterCarriageReturn)
                continue; // the LF of a CR LF pair
            if (byte == '\r' || byte == '\n') {
                lines.append(current);
                current.clear();
            } else if (current.size() >= MaxLineBytes) {
                return {{},
                        QStringLiteral("Il file «%1» non è un problema di Zenuvio: la riga %2 "
                                       "è più lunga di %3 caratteri.")
                            .arg(shown(path), QString::number(lines.size() + 1),
                                 QString::number(MaxLineBytes))};
            } else {
                current.append(byte);
            }
        }
    }
    // The last line of a file may lack its line end.
    if (lines.size() < ProblemLineCount && !current.isEmpty())
        lines.append(current);
    if (lines.size() < ProblemLineCount)
        return {{}, tooShortMessage(path, lines.size())};

    FileLines result;
    for (const QByteArray &line : lines)
        result.lines.append(Cp1252::decode(line));
    return result;
}

template <class Problem> Problem withTexts(const QStringList &lines)
{
    Problem problem;
    problem.testo = lines.at(TestoLine);
    problem.nomeFigura = lines.at(FiguraLine);
    for (int i = 0; i < ProblemSlotCount; ++i) {
        problem.dati[i] = lines.at(FirstDatoLine + i);
        problem.risultati[i] = lines.at(FirstRisultatoLine + i);
    }
    return problem;
}

// The formula number a field names: plain decimal digits worth 0..138.
// Leading zeros are tolerated, and the value is checked digit by digit so
// that no length of field can overflow it.
std::optional<int> formulaNumber(const QString &field)
{
    if (field.isEmpty())
        return std::nullopt;
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
    if (line == TestoLine)
        return QStringLiteral("testo");
    if (line == FiguraLine)
        return QStringLiteral("nome della figura");
    if (line < FirstFormulaLine)
        return QStringLiteral("dato %1").arg(line - FirstDatoLine + 1);
    return QStringLiteral("risultato %1").arg(line - FirstRisultatoLine + 1);
}

// Names the characters that Windows-1252 cannot hold and where they are.
QString unencodableMessage(const QString &path, const QStringList &lines)
{
    QString characters;
    QStringList places;
    for (int line = 0; line < lines.size(); ++line) {
        const QString found = Cp1252::unencodable(lines.at(line));
        if (found.isEmpty())
            continue;
        places.append(QStringLiteral("nel ") + slotName(line));
        characters += found;
    }
    if (places.isEmpty())
        return {};
    const QString distinct = Cp1252::unencodable(characters);
    QStringList quoted;
    for (int i = 0; i < distinct.size(); ++i) {
        const bool pair = distinct.at(i).isHighSurrogate() && i + 1 < distinct.size();
        quoted.append(QStringLiteral("«%1»").arg(distinct.mid(i, pair ? 2 : 1)));
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
QString fileLines(const EditorProblem &problem, QStringList &lines)
{
    lines.append(ProblemFile::toSingleLine(problem.testo));
    lines.append(ProblemFile::toSingleLine(problem.nomeFigura));
    for (const QString &dato : problem.dati)
        lines.append(ProblemFile::toSingleLine(dato));
    for (int i = 0; i < ProblemSlotCount; ++i) {
        const std::optional<int> formula = problem.formule[i];
        if (formula && (*formula < 0 || *formula > HighestFormulaNumber)) {
            return QStringLiteral("Il problema non è stato salvato: il passaggio %1 ha la formula "
                                  "numero %2, che non esiste (le formule vanno da 0 a %3).")
                .arg(i + 1)
                .arg(*formula)
                .arg(HighestFormulaNumber);
        }
        lines.append(formula ? QStringLiteral(" %1 ").arg(*formula) : QString());
    }
    for (const QString &risultato : problem.risultati)
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

ReadResult<EditorProblem> readForEditor(const QString &path)
{
    const FileLines file = readLines(path);
    if (!file.error.isEmpty())
        return {std::nullopt, file.error};
    auto problem = withTexts<EditorProblem>(file.lines);
    for (int i = 0; i < ProblemSlotCount; ++i) {
        const int line = FirstFormulaLine + i;
        const QString field = readField(file.lines.at(line));
        problem.formule[i] = formulaNumber(field);
        if (!field.isEmpty() && !problem.formule[i]) {
            return {std::nullopt,
                    QStringLiteral("Il file «%1» non è un problema valido: la riga %2 dovrebbe "
                                   "contenere il numero di una formula (da 0 a %3) o niente, ma "
                                   "contiene «%4».")
                        .arg(shown(path), QString::number(line + 1),
                             QString::number(HighestFormulaNumber), quotedForMessage(field))};
        }
    }
    return {problem, {}};
}

ReadResult<SolvingProblem> readForSolving(const QString &path)
{
    const FileLines file = readLines(path);
    if (!file.error.isEmpty())
        return {std::nullopt, file.error};
    auto problem = withTexts<SolvingProblem>(file.lines);
    for (int i = 0; i < ProblemSlotCount; ++i)
        problem.formule[i] = readField(file.lines.at(FirstFormulaLine + i));
    return {problem, {}};
}

QString write(const QString &path, const EditorProblem &problem)
{
    if (path.isEmpty())
        return QStringLiteral("Il problema non è stato salvato: manca il nome del file.");
    QStringList lines;
    const QString numberError = fileLines(problem, lines);
    if (!numberError.isEmpty())
        return numberError;
    const QString encodingError = unencodableMessage(path, lines);
    if (!encodingError.isEmpty())
        return encodingError;
    // A file the readers would refuse must not be written in the first place.
    for (int line = 0; line < lines.size(); ++line) {
        if (lines.at(line).size() > MaxLineBytes) {
            return QStringLiteral(
                       "Il problema non è stato salvato in «%1»: il %2 è più lungo di %3 "
                       "caratteri.")
                .arg(shown(path), slotName(line), QString::number(MaxLineBytes));
        }
    }

    const QFileInfo target(path);
    if (target.isDir())
        return saveFailedMessage(path, QStringLiteral("esiste già una cartella con questo nome."));
    if (!target.absoluteDir().exists()) {
        return saveFailedMessage(
            path, QStringLiteral("la cartella «%1» non esiste.").arg(shown(target.absolutePath())));
    }

    QByteArray bytes;
    for (const QString &line : lines)
        bytes += Cp1252::encode(line) + "\r\n";
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return saveFailedMessage(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return saveFailedMessage(path, reason);
    }
    if (!file.commit())
        return saveFailedMessage(path, file.errorString());
    return {};
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
