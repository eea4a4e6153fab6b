// Feeds arbitrary bytes to both problem file readers, and what they read to
// the writer, and stops on any broken promise besides crashes and sanitizer
// reports. One allowance: a written file whose bytes happen to be UTF-8
// ("Ã¨") is read back as UTF-8 ("è").

#include "cp1252.h"
#include "problemfile.h"
#include "problemflaws.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool promise)
{
    if (!promise)
        std::abort();
}

// In memory where the system offers it: the writer syncs every file it saves.
QString workFile(const QString &name)
{
    static const QTemporaryDir folder((QDir(QStringLiteral("/dev/shm")).exists()
                                           ? QStringLiteral("/dev/shm")
                                           : QDir::tempPath()) +
                                      QStringLiteral("/zenuvio-fuzz-XXXXXX"));
    require(folder.isValid());
    return folder.filePath(name);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    require(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

void replaceContents(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    require(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// Applies change to each of the problem's 18 texts, in file order.
template <class Change> void forEachText(Problem &problem, Change change)
{
    change(problem.text);
    change(problem.figureName);
    for (QString &datum : problem.data)
        change(datum);
    for (QString &result : problem.results)
        change(result);
}

// The written file is UTF-8 beyond ASCII, and so read as UTF-8.
bool readAsUtf8(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    return !utf8.hasError() && text.size() != bytes.size();
}

bool isControl(QChar c)
{
    return c.category() == QChar::Other_Control;
}

// A save is refused exactly when the problem cannot be written, and then leaves
// the old file alone; what is saved reads back as it was given, made one line,
// and saves again to the same bytes.
void saveAndReadBack(const Problem &problem)
{
    bool writable = std::all_of(problem.formulas.begin(), problem.formulas.end(), [](auto f) {
        return !f || (*f >= 0 && *f <= HighestFormulaNumber);
    });
    Problem expected = problem;
    forEachText(expected, [&](QString &text) {
        text = ProblemFile::toSingleLine(text);
        writable = writable && Cp1252::unencodable(text).isEmpty() &&
                   std::none_of(text.begin(), text.end(), isControl) &&
                   text.size() <= ProblemMaxLineLength;
    });
    const QString target = workFile(QStringLiteral("target.znv"));
    replaceContents(target, "old problem");
    require(ProblemFile::write(target, problem).isEmpty() == writable);
    const QByteArray written = contents(target);
    if (!writable) {
        require(written == "old problem");
        return;
    }
    const auto read = ProblemFile::read(target);
    if (!(read.problem == expected)) {
        require(read.problem && readAsUtf8(written));
        return;
    }
    require(ProblemFile::write(target, *read.problem).isEmpty() && contents(target) == written);
}

// Solving mode refuses what the editor does, and besides only a problem whose
// pupil would be stuck; no text read holds a control character.
void fuzzReaders(const QByteArray &bytes)
{
    const QString input = workFile(QStringLiteral("input.znv"));
    replaceContents(input, bytes);
    const auto editor = ProblemFile::read(input);
    const auto solving = ProblemFile::readForSolving(input);
    require(editor.problem.has_value() == editor.error.isEmpty());
    require(solving.problem.has_value() == solving.error.isEmpty());
    if (!editor.problem) {
        require(solving.error == editor.error);
        return;
    }
    bool stuck = false;
    for (const ProblemFlaws::Flaw &flaw : ProblemFlaws::find(*editor.problem))
        stuck = stuck || flaw.stopsThePupil;
    require(solving.problem.has_value() == !stuck);
    require(!solving.problem || solving.problem->text == editor.problem->text);
    Problem read = *editor.problem;
    forEachText(read,
                [](QString &text) { require(std::none_of(text.begin(), text.end(), isControl)); });
    // Read from UTF-8 or UTF-16, a text may hold what the code page cannot.
    saveAndReadBack(*editor.problem);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzzReaders(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    return 0;
}
