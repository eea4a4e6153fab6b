// Reading aloud, with a speaker that records instead of speaking: solving
// sessions played on the rules, one act a line as in tst_solvingsession, and
// F2 (the key that reads the problem text), fuoco N (formula N takes the
// focus), fine voce (the voice ends what it says), accendi, spegni and guasto
// (the engine found missing); after "->" what is heard: the texts said,
// [stop] for a speech cut short, "avviso: ..." for a notice, "-" for nothing.
#include "formulacatalogue.h"
#include "formulawords.h"
#include "readaloud.h"
#include "solvingsession.h"
#include "speaker.h"
#include "temporarysettings.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

const Problem Rettangolo{
    QStringLiteral("Un rettangolo ha la base lunga 8 cm e l'altezza lunga 6 cm."),
    {},
    {"8 cm", "6 cm"},
    {9, 6},
    {"28 cm", "48 cm²"}};

} // namespace

class TestReadAloud : public QObject {
    Q_OBJECT

private slots:
    void session_data();
    void session();
    void remembered();
};

void TestReadAloud::session_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<QStringList>("script");

    // "TESTO" stands for the problem text as it is read.
    const auto script = [](const char *lines) {
        return QString::fromUtf8(lines)
            .replace("TESTO", "Un rettangolo ha la base lunga otto centimetri e l'altezza lunga "
                              "sei centimetri.")
            .split(QRegularExpression(R"(\s*\n\s*)"), Qt::SkipEmptyParts);
    };
    QTest::newRow("acceso: verdetti, spiegazioni, formule e testo") << true << script(R"(
        apri -> Inserisci i dati
        F2 -> TESTO
        dato 0 "8 cm" -> [stop] | Bravo
        F2 -> TESTO
        F2 -> [stop]
        dato 1 "6,0 cm" -> Errato. Il numero è giusto, ma va scritto «sei», senza zeri in più.
        dato 1 "6 cm" -> Bravo. Scegli la formula
        fuoco 9 -> 2p uguale b più h, il tutto per due
        formula 6 -> Errata
    )");
    // The problem text is read on demand, whether read-aloud is on or off,
    // and again once it has been read to its end.
    QTest::newRow("spento: solo il testo a richiesta") << false << script(R"(
        apri -> -
        F2 -> TESTO
        fine voce -> -
        F2 -> TESTO
        dato 0 "8 cm" -> [stop]
        dato 1 "6 cm" -> -
        fuoco 9 -> -
        formula 9 -> -
        accendi -> -
        risultato 0 "28 cm" -> Bravo. Scegli la formula
        spegni -> [stop]
        formula 6 -> -
    )");
    QTest::newRow("motore mancante: un avviso, poi silenzio") << true << script(R"(
        guasto -> -
        apri -> avviso: Niente voce.
        F2 -> -
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
    // The verdict, and the explanation the window shows beside it.
    const auto shown = [&](const SolvingOutcome &outcome) {
        readAloud.hintShown(outcome.hint.value_or(QString()), outcome.explanation);
    };
    for (const QString &line : script) {
        const QRegularExpressionMatch m = act.match(line);
        QVERIFY2(m.hasMatch(), qPrintable("cannot read: " + line));
        const QString verb = m.captured(1), text = m.captured(3);
        const int n = m.captured(2).toInt();
        speaker.clearLog();
        heard.clear();
        if (verb == "apri") {
            session.emptyWindow();
            shown(session.open(Rettangolo));
        } else if (verb == "dato") {
            readAloud.typing();
            session.typeDatum(n, text);
            shown(session.confirmDatum(n));
        } else if (verb == "risultato") {
            readAloud.typing();
            session.typeResult(n, text);
            shown(session.confirmResult(n));
        } else if (verb == "formula") {
            shown(session.chooseFormula(n));
        } else if (verb == "F2") {
            readAloud.readProblemText(Rettangolo.text);
        } else if (verb == "fuoco") {
            readAloud.formulaFocused(
                FormulaWords::spoken(QString::fromUtf8(FormulaCatalogue::entry(n).formula)));
        } else if (verb == "fine voce") {
            speaker.finish();
        } else if (verb == "accendi" || verb == "spegni") {
            readAloud.setOnForThisRun(verb == "accendi");
        } else {
            speaker.breakDown("Niente voce.");
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
    TemporarySettings temporary;
    Settings &settings = temporary.settings();
    RecordingSpeaker speaker;
    QVERIFY(!ReadAloud(speaker, &settings).isOn());
    ReadAloud(speaker, &settings).setOnForThisRun(true);
    QVERIFY(!ReadAloud(speaker, &settings).isOn());
    ReadAloud(speaker, &settings).setOn(true);
    QVERIFY(ReadAloud(speaker, &settings).isOn());
    QVERIFY(Settings::open(temporary.files()).value(Setting::ReadAloud));
}

QTEST_GUILESS_MAIN(TestReadAloud)
#include "tst_readaloud.moc"
