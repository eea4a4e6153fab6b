// Feeds arbitrary bytes to both problem file readers, and to the text helpers
// the readers and the writer rely on. Besides crashes and sanitizer reports it
// stops on any broken promise: every byte string survives the code page, a
// reader gives a problem or a message but never both, and whatever the editor
// reader accepts is written back and read again unchanged.

#include "cp1252.h"
#include "figurelocator.h"
#include "problemfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void require(bool promise)
{
    if (!promise)
        std::abort();
}

// In memory where the system offers it: the writer syncs every file it saves.
const QTemporaryDir &workFolder()
{
    static const QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                          ? QStringLiteral("/dev/shm/zenuvio-fuzz-XXXXXX")
                                          : QDir::tempPath() +
                                                QStringLiteral("/zenuvio-fuzz-XXXXXX"));
    require(folder.isValid());
    return folder;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    require(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

bool sameProblem(const EditorProblem &a, const EditorProblem &b)
{
    return a.testo == b.testo && a.nomeFigura == b.nomeFigura && a.dati == b.dati &&
           a.formule == b.formule && a.risultati == b.risultati;
}

void fuzzTextHelpers(const QByteArray &bytes)
{
    const QString decoded = Cp1252::decode(bytes);
    require(Cp1252::encode(decoded) == bytes);
    require(Cp1252::unencodable(decoded).isEmpty());

    // The same bytes taken as UTF-16, which may hold any character at all.
    QString wide(bytes.size() / 2, Qt::Uninitialized);
    std::memcpy(wide.data(), bytes.constData(), wide.size() * sizeof(QChar));
    require(Cp1252::encode(wide).size() <= wide.size());
    Cp1252::unencodable(wide);
    FigureLocator::isSafeName(wide);
    const QString single = ProblemFile::toSingleLine(wide);
    require(single.size() <= wide.size());
    for (const QChar c : single)
        require(c != QLatin1Char('\r') && c != QLatin1Char('\n') && c != QChar::LineSeparator &&
                c != QChar::ParagraphSeparator);
    require(ProblemFile::readField(wide).size() <= wide.size());
    require(ProblemFile::readField(decoded).size() <= decoded.size());
}

void fuzzReaders(const QByteArray &bytes)
{
    const QString input = workFolder().filePath(QStringLiteral("input.znv"));
    {
        QFile file(input);
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        require(file.write(bytes) == bytes.size());
    }
    const auto editor = ProblemFile::readForEditor(input);
    const auto solving = ProblemFile::readForSolving(input);
    require(editor.problem.has_value() == editor.error.isEmpty());
    require(solving.problem.has_value() == solving.error.isEmpty());
    if (!editor.problem)
        return;
    require(solving.problem && solving.problem->testo == editor.problem->testo &&
            solving.problem->risultati == editor.problem->risultati);

    const QString copy = workFolder().filePath(QStringLiteral("copy.znv"));
    require(ProblemFile::write(copy, *editor.problem).isEmpty());
    const QByteArray written = contents(copy);
    const auto reread = ProblemFile::readForEditor(copy);
    require(reread.problem && sameProblem(*reread.problem, *editor.problem));
    require(ProblemFile::write(copy, *reread.problem).isEmpty());
    require(contents(copy) == written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    fuzzTextHelpers(bytes);
    fuzzReaders(bytes);
    return 0;
}
