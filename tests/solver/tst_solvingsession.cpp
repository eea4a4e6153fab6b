// The rules of solving, played without any window: whole sessions of a pupil,
// one act a line (apri NAME, chiudi, dato K "text", invio dato K, formula N,
// risultato K "text", invio risultato K, testo), and after "->" what he is told
// ("verdict: explanation"), where he is, the formula panel, the box that takes
// the focus and the data, formula and result boxes in view.
#include "solvingsession.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

Problem problem(const QStringList &data, const QList<int> &formulas, const QStringList &results)
{
    Problem p{QStringLiteral("Un problema."), {}, {}, {}, {}};
    std::copy(data.begin(), data.end(), p.data.begin());
    std::copy(formulas.begin(), formulas.end(), p.formulas.begin());
    std::copy(results.begin(), results.end(), p.results.begin());
    return p;
}

const QMap<QString, Problem> Problems = {
    {"rettangolo", problem({"8 cm", "6 cm"}, {9, 6}, {"28 cm", "48 cm²"})},
    {"nessunDato", problem({}, {17}, {"40 cm²"})},
    {"otto", problem({"1", "2", "3", "4", "5", "6", "7", "8"}, {0, 1, 2, 3, 4, 5, 6, 7},
                     {"r0", "r1", "r2", "r3", "r4", "r5", "r6", "r7"})},
    {"primoVuoto", problem({"5 cm"}, {}, {})},
    {"senzaRisultato", problem({"5 cm"}, {6}, {})},
    {"lacuna", problem({"3 cm", "", "9 cm"}, {0, 1}, {"a", "b"})},
};

// "dato 2", "formula 0", ...: the stage with the session's index.
QString stageText(const SolvingSession &session)
{
    static const QStringList names = {"nessun problema", "dato %1", "formula %1", "risultato %1",
                                      "finito"};
    return QString(names[int(session.stage())]).replace("%1", QString::number(session.index()));
}

QString focusText(const SolvingOutcome &outcome)
{
    static const QStringList names = {"-", "dato %1", "formula %1", "risultato %1", "Apri"};
    return QString(names[int(outcome.focus)]).replace("%1", QString::number(outcome.focusIndex));
}

// "d01 f0 r-": the data boxes, the steps' formula slots and the result boxes in
// view.
QString boxesText(const SolvingSession &session)
{
    QStringList text;
    for (const auto &[letter, box] : {std::pair('d', SolvingOutcome::Box::Datum),
                                      std::pair('f', SolvingOutcome::Box::StepFormula),
                                      std::pair('r', SolvingOutcome::Box::Result)}) {
        QString shown;
        for (int i = 0; i < SolvingSession::SlotCount; ++i)
            if (session.isShown(box, i))
                shown += QString::number(i);
        text << QString(letter) + (shown.isEmpty() ? "-" : shown);
    }
    return text.join(' ');
}

} // namespace

class TestSolvingSession : public QObject {
    Q_OBJECT

private slots:
    void session_data();
    void session();
};

void TestSolvingSession::session_data()
{
    QTest::addColumn<bool>("explaining");
    QTest::addColumn<bool>("byValue");
    QTest::addColumn<QStringList>("script");

    // A wrong formula tells where the right one is from the second at a step
    // on; the count starts again at each step. Once finished, the index is 0
    // again: step 0 is checked again, and so are the data.
    QTest::newRow("rettangolo: giusti e sbagliati, poi Invio dopo la fine")
        << true << false
        << QStringList{
               R"(apri rettangolo -> Inserisci i dati | dato 0 | spento | dato 0 | d0 f- r-)",
               R"(dato 0 "8 cm " -> Errato: Il numero e l'unità sono giusti, ma gli spazi no: scrivi «8 cm». | dato 0 | spento | dato 0 | d0 f- r-)",
               R"(dato 0 "8,0 cm" -> Errato: Il numero è giusto, ma va scritto «8», senza zeri in più. | dato 0 | spento | dato 0 | d0 f- r-)",
               R"(dato 0 "8 cm" -> Bravo | dato 1 | spento | dato 1 | d01 f- r-)",
               R"(formula 9 -> - | dato 1 | spento | - | d01 f- r-)",
               R"(dato 1 "6" -> Errato: Il numero è giusto, ma manca l'unità di misura: «cm». | dato 1 | spento | dato 1 | d01 f- r-)",
               R"(dato 1 "6 cm" -> Bravo. Scegli la formula | formula 0 | acceso | formula 0 | d01 f0 r-)",
               R"(formula 0 -> Errata | formula 0 | acceso | formula 0 | d01 f0 r-)",
               R"(formula 6 -> Errata: La formula giusta è nella scheda «Rettangolo». | formula 0 | acceso | formula 0 | d01 f0 r-)",
               R"(formula 9 -> Bravo | risultato 0 | acceso | risultato 0 | d01 f0 r0)",
               R"(risultato 0 "28 cm" -> Bravo. Scegli la formula | formula 1 | acceso | formula 1 | d01 f01 r01)",
               R"(formula 0 -> Errata | formula 1 | acceso | formula 1 | d01 f01 r01)",
               R"(formula 17 -> Errata: È la formula giusta, ma va presa dalla scheda «Rettangolo». | formula 1 | acceso | formula 1 | d01 f01 r01)",
               R"(formula 6 -> Bravo | risultato 1 | acceso | risultato 1 | d01 f01 r01)",
               R"(formula 7 -> Errata: La formula giusta è nella scheda «Rettangolo». | risultato 1 | acceso | formula 1 | d01 f01 r01)",
               R"(risultato 1 "48 cmq" -> Errato: Il numero è giusto, ma l'unità di misura si scrive «cm²». Per scrivere «²» premi Ctrl+2. | risultato 1 | acceso | risultato 1 | d01 f01 r01)",
               R"(risultato 1 "48 cm²" -> Bravo. Hai finito.: Risposte sbagliate almeno una volta: 2 dati su 2, 2 formule su 2, 1 risultato su 2. | finito | spento | Apri | d01 f01 r01)",
               R"(invio risultato 1 -> Bravo. Scegli la formula | formula 1 | acceso | formula 1 | d01 f01 r01)",
               R"(invio risultato 0 -> Bravo. Hai finito.: Risposte sbagliate almeno una volta: 2 dati su 2, 2 formule su 2, 1 risultato su 2. | finito | spento | Apri | d01 f01 r01)",
               R"(invio dato 1 -> Bravo | dato 1 | spento | dato 1 | d01 f01 r01)",
               R"(invio dato 0 -> Bravo. Scegli la formula | formula 0 | acceso | formula 0 | d01 f01 r01)",
           };
    // For a class test: the verdicts alone, no summary, by value too.
    QTest::newRow("rettangolo, verifica in classe")
        << false << true
        << QStringList{
               R"(apri rettangolo -> Inserisci i dati | dato 0 | spento | dato 0 | d0 f- r-)",
               R"(dato 0 "8cm" -> Bravo | dato 1 | spento | dato 1 | d01 f- r-)",
               R"(dato 1 "6" -> Errato | dato 1 | spento | dato 1 | d01 f- r-)",
               R"(dato 1 "6 cm" -> Bravo. Scegli la formula | formula 0 | acceso | formula 0 | d01 f0 r-)",
               R"(formula 0 -> Errata | formula 0 | acceso | formula 0 | d01 f0 r-)",
               R"(formula 6 -> Errata | formula 0 | acceso | formula 0 | d01 f0 r-)",
               R"(formula 9 -> Bravo | risultato 0 | acceso | risultato 0 | d01 f0 r0)",
               R"(risultato 0 "28 cm" -> Bravo. Scegli la formula | formula 1 | acceso | formula 1 | d01 f01 r01)",
               R"(formula 6 -> Bravo | risultato 1 | acceso | risultato 1 | d01 f01 r01)",
               R"(risultato 1 "48 cm2" -> Bravo. Hai finito. | finito | spento | Apri | d01 f01 r01)",
           };
    QTest::newRow("otto dati, Invio in un dato precedente, otto passaggi")
        << true << false
        << QStringList{
               R"(apri otto -> Inserisci i dati | dato 0 | spento | dato 0 | d0 f- r-)",
               R"(dato 0 "1" -> Bravo | dato 1 | spento | dato 1 | d01 f- r-)",
               R"(dato 1 "2" -> Bravo | dato 2 | spento | dato 2 | d012 f- r-)",
               // Box 0 is right, but box 2 is the one checked.
               R"(invio dato 0 -> Errato | dato 2 | spento | dato 2 | d012 f- r-)",
               R"(dato 2 "3" -> Bravo | dato 3 | spento | dato 3 | d0123 f- r-)",
               R"(dato 3 "4" -> Bravo | dato 4 | spento | dato 4 | d01234 f- r-)",
               R"(dato 4 "5" -> Bravo | dato 5 | spento | dato 5 | d012345 f- r-)",
               R"(dato 5 "6" -> Bravo | dato 6 | spento | dato 6 | d0123456 f- r-)",
               R"(dato 6 "7" -> Bravo | dato 7 | spento | dato 7 | d01234567 f- r-)",
               R"(dato 7 "8" -> Bravo. Scegli la formula | formula 0 | acceso | formula 0 | d01234567 f0 r-)",
               R"(formula 0 -> Bravo | risultato 0 | acceso | risultato 0 | d01234567 f0 r0)",
               // From the second step on, a right result needs no formula first.
               R"(risultato 0 "r0" -> Bravo. Scegli la formula | formula 1 | acceso | formula 1 | d01234567 f01 r01)",
               R"(risultato 1 "r1" -> Bravo. Scegli la formula | formula 2 | acceso | formula 2 | d01234567 f012 r012)",
               R"(risultato 2 "r2" -> Bravo. Scegli la formula | formula 3 | acceso | formula 3 | d01234567 f0123 r0123)",
               R"(risultato 3 "r3" -> Bravo. Scegli la formula | formula 4 | acceso | formula 4 | d01234567 f01234 r01234)",
               R"(risultato 4 "r4" -> Bravo. Scegli la formula | formula 5 | acceso | formula 5 | d01234567 f012345 r012345)",
               R"(risultato 5 "r5" -> Bravo. Scegli la formula | formula 6 | acceso | formula 6 | d01234567 f0123456 r0123456)",
               R"(risultato 6 "r6" -> Bravo. Scegli la formula | formula 7 | acceso | formula 7 | d01234567 f01234567 r01234567)",
               R"(formula 7 -> Bravo | risultato 7 | acceso | risultato 7 | d01234567 f01234567 r01234567)",
               R"(risultato 7 "r7" -> Bravo. Hai finito.: Risposte sbagliate almeno una volta: 1 dato su 8, nessuna formula, nessun risultato. | finito | spento | Apri | d01234567 f01234567 r01234567)",
           };
    // No formula is right, and the result box comes only with the formula; an
    // empty result is right when left empty; at step 1 of "lacuna", datum 1 is
    // empty like its hidden box: the data go on at datum 2. The empty first
    // datum of "nessunDato" is right only because its box was emptied; so is
    // the first datum of "rettangolo", opened again.
    QTest::newRow("senza formula, risultato vuoto, Invio in un dato, un problema a metà")
        << true << false
        << QStringList{
               R"(apri primoVuoto -> Inserisci i dati | dato 0 | spento | dato 0 | d0 f- r-)",
               R"(dato 0 "5 cm" -> Bravo. Scegli la formula | formula 0 | acceso | formula 0 | d0 f0 r-)",
               R"(formula 0 -> Errata | formula 0 | acceso | formula 0 | d0 f0 r-)",
               R"(invio dato 0 -> Bravo. Scegli la formula | formula 0 | acceso | formula 0 | d0 f0 r-)",
               R"(testo -> - | formula 0 | acceso | dato 0 | d0 f0 r-)",
               R"(apri senzaRisultato -> Inserisci i dati | dato 0 | spento | dato 0 | d0 f- r-)",
               R"(dato 0 "5 cm" -> Bravo. Scegli la formula | formula 0 | acceso | formula 0 | d0 f0 r-)",
               R"(formula 6 -> Bravo | risultato 0 | acceso | risultato 0 | d0 f0 r0)",
               R"(risultato 0 "" -> Bravo. Hai finito.: Non hai sbagliato niente: bravissimo! | finito | spento | Apri | d0 f0 r0)",
               R"(apri lacuna -> Inserisci i dati | dato 0 | spento | dato 0 | d0 f- r-)",
               R"(dato 0 "3 cm" -> Bravo. Scegli la formula | formula 0 | acceso | formula 0 | d0 f0 r-)",
               R"(formula 0 -> Bravo | risultato 0 | acceso | risultato 0 | d0 f0 r0)",
               R"(risultato 0 "a" -> Bravo. Scegli la formula | formula 1 | acceso | formula 1 | d0 f01 r01)",
               R"(invio dato 0 -> Bravo | dato 2 | spento | dato 2 | d02 f01 r01)",
               R"(dato 2 "9 cm" -> Bravo. Scegli la formula | formula 0 | acceso | formula 0 | d02 f01 r01)",
               R"(apri rettangolo -> Inserisci i dati | dato 0 | spento | dato 0 | d0 f- r-)",
               R"(dato 0 "8 cm" -> Bravo | dato 1 | spento | dato 1 | d01 f- r-)",
               R"(dato 1 "6 cm" -> Bravo. Scegli la formula | formula 0 | acceso | formula 0 | d01 f0 r-)",
               R"(apri nessunDato -> Inserisci i dati | dato 0 | spento | dato 0 | d0 f- r-)",
               R"(invio dato 0 -> Bravo. Scegli la formula | formula 0 | acceso | formula 0 | d0 f0 r-)",
               R"(chiudi -> Ciao | nessun problema | spento | - | d- f- r-)",
               R"(testo -> - | nessun problema | spento | - | d- f- r-)",
               R"(invio risultato 0 -> - | nessun problema | spento | - | d- f- r-)",
               R"(apri rettangolo -> Inserisci i dati | dato 0 | spento | dato 0 | d0 f- r-)",
               R"(invio dato 0 -> Errato | dato 0 | spento | dato 0 | d0 f- r-)",
           };
}

void TestSolvingSession::session()
{
    QFETCH(bool, explaining);
    QFETCH(bool, byValue);
    QFETCH(QStringList, script);
    static const QRegularExpression act(
        R"re(^(apri|chiudi|dato|invio dato|formula|risultato|invio risultato|testo)(?: (\S+))?(?: "(.*)")? -> (.*)$)re");
    SolvingSession s;
    s.setExplaining(explaining);
    s.setEquivalentForms(byValue);
    // Formula 17 is formula 6's text on another tab.
    s.setFormulaLookup([](int n) -> std::optional<SolvingSession::FormulaFacts> {
        if (n == 0 || n == 7)
            return SolvingSession::FormulaFacts{"formula " + QString::number(n), "Quadrato"};
        return SolvingSession::FormulaFacts{n == 9 ? "2p" : "A",
                                            n == 17 ? "Parallelogr." : "Rettangolo"};
    });
    std::optional<QString> lastOpened;
    for (const QString &line : script) {
        const QRegularExpressionMatch m = act.match(line);
        QVERIFY2(m.hasMatch(), qPrintable("cannot read: " + line));
        const QString verb = m.captured(1), text = m.captured(3);
        const int n = m.captured(2).toInt();
        SolvingOutcome outcome;
        if (verb == "apri") {
            s.emptyWindow();
            outcome = s.open(Problems.value(m.captured(2)));
            lastOpened = m.captured(2);
        } else if (verb == "chiudi") {
            outcome = s.emptyWindow();
        } else if (verb.endsWith("dato")) {
            if (verb == "dato")
                s.typeDatum(n, text);
            outcome = s.confirmDatum(n);
        } else if (verb == "formula") {
            outcome = s.chooseFormula(n);
        } else if (verb.endsWith("risultato")) {
            if (verb == "risultato")
                s.typeResult(n, text);
            outcome = s.confirmResult(n);
        } else {
            outcome = s.clickText();
        }
        QString told = outcome.hint.value_or("-");
        if (!outcome.explanation.isEmpty())
            told += ": " + outcome.explanation;
        const QString seen = QStringList{told, stageText(s), s.isPanelOn() ? "acceso" : "spento",
                                         focusText(outcome), boxesText(s)}
                                 .join(" | ");
        QVERIFY2(seen == m.captured(4), qPrintable(line + "\n   seen: " + seen));
        // A window that was emptied still remembers the last problem read.
        QCOMPARE(s.problem().has_value(), lastOpened.has_value());
        if (lastOpened)
            QCOMPARE(s.problem()->data, Problems.value(*lastOpened).data);
    }
}

QTEST_GUILESS_MAIN(TestSolvingSession)
#include "tst_solvingsession.moc"
