// Reading aloud, with a speaker that records instead of speaking: whole
// solving sessions, one act per line, each with what the pupil hears then.
//
// An act is one of
//   apri NAME              the problem NAME is opened
//   dato K "text"          "text" is typed into data box K, then Enter
//   formula N              formula N is clicked in the panel
//   risultato K "text"     "text" is typed into result box K, then Enter
//   F2                     the key that reads the problem text
//   fuoco N                formula picture N takes the focus
//   fine voce              the voice comes to the end of what it was saying
//   accendi, spegni        read-aloud is switched on or off
//   guasto                 the speech engine is found missing
// The hints and explanations come from the solving session, the formula
// words from the catalogue, as the windows will show them. After "->" comes
// what is heard, in order, separated by "|": the texts said, "[stop]" for a
// speech cut short, "avviso: ..." for a notice to the user, "-" for nothing.
#include "explanations.h"
#include "formulacatalogue.h"
#include "formulawords.h"
#include "readaloud.h"
#include "solvingsession.h"
#include "speaker.h"
#include "speechsettings.h"

#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

namespace {

const QString Broken = QStringLiteral("Niente voce.");

SolvingProblem rettangolo()
{
    SolvingProblem p{QStringLiteral("Un rettangolo ha la base lunga 8 cm e l'altezza lunga 6 cm."),
                     {},
                     {},
                     {},
                     {}};
    p.dati[0] = QStringLiteral("8 cm");
    p.dati[1] = QStringLiteral("6 cm");
    p.formule[0] = QStringLiteral("9");
    p.formule[1] = QStringLiteral("6");
    p.risultati[0] = QStringLiteral("28 cm");
    p.risultati[1] = QStringLiteral("48 cm²");
    return p;
}

} // namespace

class TestReadAloud : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void session_data();
    void session();
    void remembered();
    void settings_data();
    void settings();
};

void TestReadAloud::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestReadAloud::init()
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Zenuvio", "Zenuvio").clear();
}

void TestReadAloud::session_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<QStringList>("script");

    // One act a line; "TESTO" stands for the problem text as it is read.
    const auto script = [](const char *lines) {
        QStringList script;
        for (const QString &line : QString::fromUtf8(lines).split('\n')) {
            if (!line.trimmed().isEmpty())
                script << line.trimmed().replace(
                    "TESTO", "Un rettangolo ha la base lunga otto centimetri e l'altezza lunga "
                             "sei centimetri.");
        }
        return script;
    };
    QTest::newRow("acceso: verdetti, spiegazioni, formule e testo") << true << script(R"(
        apri rettangolo -> Inserisci i dati
        F2 -> TESTO
        dato 0 "8 cm" -> [stop] | Bravo
        F2 -> TESTO
        F2 -> [stop]
        dato 1 "6,0 cm" -> Errato. Il numero è giusto, ma va scritto «sei», senza zeri in più.
        dato 1 "6 cm" -> Bravo. Scegli la formula
        fuoco 6 -> A uguale b per h
        formula 6 -> Errata
        fuoco 9 -> 2p uguale b più h, il tutto per due
        formula 9 -> Bravo
        risultato 0 "28 cm" -> Bravo. Scegli la formula
        formula 6 -> Bravo
        risultato 1 "48 cmq" -> Errato. Il numero è giusto, ma l'unità di misura si scrive «cm al quadrato». Per scrivere «al quadrato» premi Ctrl+due.
        risultato 1 "48 cm²" -> Bravo. Hai finito.
    )");
    // The problem text is read on demand, whether read-aloud is on or off.
    QTest::newRow("spento: solo il testo a richiesta") << false << script(R"(
        apri rettangolo -> -
        dato 0 "8 cm" -> -
        F2 -> TESTO
        fine voce -> -
        dato 1 "6,0 cm" -> -
        dato 1 "6 cm" -> -
        fuoco 9 -> -
        formula 9 -> -
        accendi -> -
        risultato 0 "28 cm" -> Bravo. Scegli la formula
        spegni -> [stop]
        formula 6 -> -
    )");
    QTest::newRow("il testo finito si rilegge; scrivere dopo non ferma nulla") << true << script(R"(
        apri rettangolo -> Inserisci i dati
        F2 -> TESTO
        fine voce -> -
        F2 -> TESTO
        fine voce -> -
        dato 0 "8 cm" -> Bravo
        F2 -> TESTO
        fuoco 9 -> 2p uguale b più h, il tutto per due
        F2 -> TESTO
    )");
    QTest::newRow("motore mancante: un avviso, poi silenzio") << true << script(R"(
        guasto -> -
        apri rettangolo -> avviso: Niente voce.
        F2 -> -
        dato 0 "8 cm" -> -
        F2 -> -
        fuoco 9 -> -
    )");
}

void TestReadAloud::session()
{
    QFETCH(bool, on);
    QFETCH(QStringList, script);
    static const QRegularExpression act(
        R"re(^(apri|dato|formula|risultato|F2|fuoco|fine voce|accendi|spegni|guasto)(?: (\S+))?(?: "(.*)")? -> (.*)$)re");
    RecordingSpeaker speaker;
    ReadAloud readAloud(speaker);
    readAloud.setOnForThisRun(on);
    QStringList heard;
    connect(&readAloud, &ReadAloud::notice, this,
            [&](const QString &n) { heard << "avviso: " + n; });
    SolvingSession session;
    const SolvingProblem problem = rettangolo();

    // What the window shows after an entry: the verdict, and the explanation
    // beside it when the entry was wrong.
    auto entered = [&](const SolvingOutcome &outcome, const QString &typed,
                       const QString &expected) {
        if (outcome.hint)
            readAloud.hintShown(*outcome.hint, *outcome.hint == SolvingHints::Errato
                                                   ? Explanations::forEntry(typed, expected)
                                                   : QString());
    };
    for (const QString &line : script) {
        const QRegularExpressionMatch m = act.match(line);
        QVERIFY2(m.hasMatch(), qPrintable("cannot read: " + line));
        const QString verb = m.captured(1), text = m.captured(3);
        const int n = m.captured(2).toInt();
        speaker.clearLog();
        heard.clear();
        const int index = session.index();
        if (verb == "apri") {
            session.emptyWindow();
            readAloud.hintShown(session.open(problem).hint.value_or(QString()));
        } else if (verb == "dato" || verb == "risultato") {
            readAloud.typing();
            if (verb == "dato") {
                session.typeDatum(n, text);
                entered(session.confirmDatum(n), text, problem.dati[index]);
            } else {
                session.typeResult(n, text);
                entered(session.confirmResult(n), text, problem.risultati[index]);
            }
        } else if (verb == "formula") {
            readAloud.hintShown(session.chooseFormula(n).hint.value_or(QString()));
        } else if (verb == "F2") {
            readAloud.readProblemText(problem.testo);
        } else if (verb == "fuoco") {
            readAloud.formulaFocused(
                FormulaWords::spoken(QString::fromUtf8(FormulaCatalogue::entry(n).formula)));
        } else if (verb == "fine voce") {
            speaker.finish();
        } else if (verb == "accendi" || verb == "spegni") {
            readAloud.setOnForThisRun(verb == "accendi");
        } else {
            speaker.breakDown(Broken);
        }
        heard = speaker.log() + heard;
        const QString seen = heard.isEmpty() ? "-" : heard.join(" | ");
        QVERIFY2(seen == m.captured(4), qPrintable(line + "\n   heard: " + seen));
    }
}

// The switch on the start window is kept for the next run; the command-line
// option is not.
void TestReadAloud::remembered()
{
    RecordingSpeaker speaker;
    QVERIFY(!ReadAloud(speaker).isOn());
    ReadAloud(speaker).setOnForThisRun(true);
    QVERIFY(!ReadAloud(speaker).isOn());
    ReadAloud(speaker).setOn(true);
    QVERIFY(ReadAloud(speaker).isOn());
    QVERIFY(SpeechSettings::load().readAloud);
}

void TestReadAloud::settings_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("volume");

    auto row = [](const char *tag, const char *key, const char *stored, double rate,
                  double volume) {
        QTest::newRow(tag) << QString(key) << QString(stored) << rate << volume;
    };
    row("nothing stored", "", "", 0.0, 1.0);
    row("slower", "speech/rate", "-0.5", -0.5, 1.0);
    row("rate out of range", "speech/rate", "2", 0.0, 1.0);
    row("softer", "speech/volume", "0.25", 0.0, 0.25);
}

void TestReadAloud::settings()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(double, rate);
    QFETCH(double, volume);
    if (!key.isEmpty())
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Zenuvio", "Zenuvio")
            .setValue(key, stored);
    const SpeechSettings loaded = SpeechSettings::load();
    QCOMPARE(loaded.rate, rate);
    QCOMPARE(loaded.volume, volume);
    loaded.save();
    QCOMPARE(SpeechSettings::load().rate, rate);
}

QTEST_GUILESS_MAIN(TestReadAloud)
#include "tst_readaloud.moc"
