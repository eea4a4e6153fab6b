// The rules of solving, played without any window: whole sessions of a pupil,
// one act per line, each with what the pupil is told and where he is then.
//
// An act is one of
//   apri NAME                  the problem NAME is opened
//   chiudi                     the open dialog is left without a choice
//   dato K "text"              "text" is typed into data box K, then Enter
//   invio dato K               Enter in data box K, as it is
//   formula N                  formula N is clicked in the panel
//   risultato K "text"         "text" is typed into result box K, then Enter
//   invio risultato K          Enter in result box K, as it is
//   testo                      a click on the problem text
// and after "->" comes the hint shown ("-" for none), the stage (nessun
// problema, dato K, formula K, risultato K, finito), the formula panel (acceso,
// spento), the box that takes the focus ("-" when it stays where it is), and
// the boxes in view: d and the data boxes, f and the formula slots, r and the
// result boxes.
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

// "dato 2", "formula 0", ...: the stage with the session's index, the box
// with its own.
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

// The boxes in view: "d" and the data boxes, "f" and the steps' formula
// slots, "r" and the result boxes ("-" for none).
QString boxesText(const SolvingSession &session)
{
    QString text;
    for (const auto &[letter, box] : {std::pair('d', SolvingOutcome::Box::Datum),
                                      std::pair('f', SolvingOutcome::Box::StepFormula),
                                      std::pair('r', SolvingOutcome::Box::Result)}) {
        QString shown;
        for (int i = 0; i < SolvingSession::SlotCount; ++i)
            if (session.isShown(box, i))
                shown += QString::number(i);
        text += QString(" %1%2").arg(letter).arg(shown.isEmpty() ? "-" : shown);
    }
    return text.mid(1);
}

} // namespace

class TestSolvingSession : public QObject {
    Q_OBJECT

private slots:
    void session_data();
    void session();
    void explanations_data();
    void explanations();
    void byValue_data();
    void byValue();
};

void TestSolvingSession::session_data()
{
    QTest::addColumn<QStringList>("script");

    // Once finished, the index is 0 again: step 0 is checked again, and so are
    // the data.
    QTest::newRow("giusti e sbagliati, poi Invio dopo Bravo. Hai finito.") << QStringList{
        R"(apri rettangolo -> Inserisci i dati | dato 0 | spento | dato 0 | d0 f- r-)",
        R"(dato 0 "8 cm " -> Errato | dato 0 | spento | dato 0 | d0 f- r-)",
        R"(dato 0 "8 cm" -> Bravo | dato 1 | spento | dato 1 | d01 f- r-)",
        R"(formula 9 -> - | dato 1 | spento | - | d01 f- r-)",
        R"(dato 1 "6 cm" -> Bravo. Scegli la formula | formula 0 | acceso | formula 0 | d01 f0 r-)",
        R"(formula 6 -> Errata | formula 0 | acceso | formula 0 | d01 f0 r-)",
        R"(formula 9 -> Bravo | risultato 0 | acceso | risultato 0 | d01 f0 r0)",
        R"(risultato 0 "28 cm " -> Errato | risultato 0 | acceso | risultato 0 | d01 f0 r0)",
        R"(risultato 0 "28 cm" -> Bravo. Scegli la formula | formula 1 | acceso | formula 1 | d01 f01 r01)",
        R"(formula 6 -> Bravo | risultato 1 | acceso | risultato 1 | d01 f01 r01)",
        R"(formula 7 -> Errata | risultato 1 | acceso | formula 1 | d01 f01 r01)",
        R"(risultato 1 "48 cm²" -> Bravo. Hai finito. | finito | spento | Apri | d01 f01 r01)",
        R"(invio risultato 1 -> Bravo. Scegli la formula | formula 1 | acceso | formula 1 | d01 f01 r01)",
        R"(invio risultato 0 -> Bravo. Hai finito. | finito | spento | Apri | d01 f01 r01)",
        R"(invio dato 1 -> Bravo | dato 1 | spento | dato 1 | d01 f01 r01)",
        R"(invio dato 0 -> Bravo. Scegli la formula | formula 0 | acceso | formula 0 | d01 f01 r01)",
    };
    QTest::newRow("otto dati, Invio in un dato precedente, otto passaggi") << QStringList{
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
        R"(risultato 7 "r7" -> Bravo. Hai finito. | finito | spento | Apri | d01234567 f01234567 r01234567)",
    };
    // No formula is right, and the result box comes only with the formula.
    QTest::newRow("primo passaggio senza formula né risultato") << QStringList{
        R"(apri primoVuoto -> Inserisci i dati | dato 0 | spento | dato 0 | d0 f- r-)",
        R"(dato 0 "5 cm" -> Bravo. Scegli la formula | formula 0 | acceso | formula 0 | d0 f0 r-)",
        R"(formula 0 -> Errata | formula 0 | acceso | formula 0 | d0 f0 r-)",
        R"(invio dato 0 -> Bravo. Scegli la formula | formula 0 | acceso | formula 0 | d0 f0 r-)",
        R"(testo -> - | formula 0 | acceso | dato 0 | d0 f0 r-)",
    };
    // An empty result is right when left empty.
    QTest::newRow("risultato vuoto") << QStringList{
        R"(apri senzaRisultato -> Inserisci i dati | dato 0 | spento | dato 0 | d0 f- r-)",
        R"(dato 0 "5 cm" -> Bravo. Scegli la formula | formula 0 | acceso | formula 0 | d0 f0 r-)",
        R"(formula 6 -> Bravo | risultato 0 | acceso | risultato 0 | d0 f0 r0)",
        R"(risultato 0 "" -> Bravo. Hai finito. | finito | spento | Apri | d0 f0 r0)",
    };
    // At step 1, datum 1 is empty like its hidden box: the data go on at datum 2.
    QTest::newRow("Invio in un dato durante i passaggi") << QStringList{
        R"(apri lacuna -> Inserisci i dati | dato 0 | spento | dato 0 | d0 f- r-)",
        R"(dato 0 "3 cm" -> Bravo. Scegli la formula | formula 0 | acceso | formula 0 | d0 f0 r-)",
        R"(formula 0 -> Bravo | risultato 0 | acceso | risultato 0 | d0 f0 r0)",
        R"(risultato 0 "a" -> Bravo. Scegli la formula | formula 1 | acceso | formula 1 | d0 f01 r01)",
        R"(invio dato 0 -> Bravo | dato 2 | spento | dato 2 | d02 f01 r01)",
        R"(dato 2 "9 cm" -> Bravo. Scegli la formula | formula 0 | acceso | formula 0 | d02 f01 r01)",
    };
    // The empty first datum of the second problem is right only because its
    // box was emptied; so is the first datum of the first one, opened again.
    QTest::newRow("un secondo problema a metà, annullato, il primo di nuovo") << QStringList{
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
    QFETCH(QStringList, script);
    static const QRegularExpression act(
        R"re(^(apri|chiudi|dato|invio dato|formula|risultato|invio risultato|testo)(?: (\S+))?(?: "(.*)")? -> (.*)$)re");
    SolvingSession s;
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
        } else if (verb == "dato") {
            s.typeDatum(n, text);
            outcome = s.confirmDatum(n);
        } else if (verb == "invio dato") {
            outcome = s.confirmDatum(n);
        } else if (verb == "formula") {
            outcome = s.chooseFormula(n);
        } else if (verb == "risultato") {
            s.typeResult(n, text);
            outcome = s.confirmResult(n);
        } else if (verb == "invio risultato") {
            outcome = s.confirmResult(n);
        } else {
            outcome = s.clickText();
        }
        const QString seen =
            QStringList{outcome.hint.value_or("-"), stageText(s),
                        s.isPanelOn() ? "acceso" : "spento", focusText(outcome), boxesText(s)}
                .join(" | ");
        QVERIFY2(seen == m.captured(4), qPrintable(line + "\n   seen: " + seen));
        // A window that was emptied still remembers the last problem read.
        QCOMPARE(s.problem().has_value(), lastOpened.has_value());
        if (lastOpened)
            QCOMPARE(s.problem()->data, Problems.value(*lastOpened).data);
    }
}

void TestSolvingSession::explanations_data()
{
    QTest::addColumn<bool>("explaining");
    QTest::newRow("on") << true;
    QTest::newRow("off, for a class test") << false;
}

// What is explained beside the verdicts along one session, and the summary.
// The same formula text as formula 6 stands as formula 17 on another tab.
void TestSolvingSession::explanations()
{
    QFETCH(bool, explaining);
    SolvingSession s;
    s.setExplaining(explaining);
    s.setFormulaLookup([](int n) -> std::optional<SolvingSession::FormulaFacts> {
        const QMap<int, SolvingSession::FormulaFacts> facts = {
            {6, {"A = b × h", "Rettangolo"}},
            {9, {"2p = (b + h) × 2", "Rettangolo"}},
            {17, {"A = b × h", "Parallelogr."}},
            {0, {"A = l²", "Quadrato"}}};
        return facts.contains(n) ? std::optional(facts.value(n)) : std::nullopt;
    });
    s.open(Problems.value("rettangolo"));
    QStringList seen;
    const auto note = [&seen](const SolvingOutcome &outcome) {
        seen << outcome.hint.value_or("-") + ": " + outcome.explanation;
    };
    const auto datum = [&](int k, const QString &text) {
        s.typeDatum(k, text);
        note(s.confirmDatum(k));
    };
    const auto result = [&](int k, const QString &text) {
        s.typeResult(k, text);
        note(s.confirmResult(k));
    };
    datum(0, "8 cm ");
    datum(0, "8 cm");
    datum(1, "6");
    datum(1, "6 cm");
    note(s.chooseFormula(0)); // first wrong formula: not said where the right one is
    note(s.chooseFormula(6)); // second wrong one
    note(s.chooseFormula(9));
    result(0, "28 cm");
    note(s.chooseFormula(0));  // the first wrong one at this step: the count starts again
    note(s.chooseFormula(17)); // the right formula text on another tab
    note(s.chooseFormula(6));
    result(1, "48 cmq");
    result(1, "48 cm²");
    const QStringList expected = {
        "Errato: Il numero e l'unità sono giusti, ma gli spazi no: scrivi «8 "
        "cm».",
        "Bravo: ",
        "Errato: Il numero è giusto, ma manca l'unità di misura: «cm».",
        "Bravo. Scegli la formula: ",
        "Errata: ",
        "Errata: La formula giusta è nella scheda «Rettangolo».",
        "Bravo: ",
        "Bravo. Scegli la formula: ",
        "Errata: ",
        "Errata: È la formula giusta, ma va presa dalla scheda «Rettangolo».",
        "Bravo: ",
        "Errato: Il numero è giusto, ma l'unità di misura si scrive «cm²». Per "
        "scrivere «²» premi "
        "Ctrl+2.",
        "Bravo. Hai finito.: Risposte sbagliate almeno una volta: 2 dati su 2, 2 formule su 2, "
        "1 risultato su 2.",
    };
    for (int i = 0; i < expected.size(); ++i) {
        const QString want = explaining ? expected[i] : expected[i].section(": ", 0, 0) + ": ";
        QCOMPARE(seen.value(i), want);
    }
}

// Judging by value, switched on or off by the teacher, on the rectangle's
// first datum ("8 cm") and its last result ("48 cm²"); with it off, or for a
// class test, the verdicts are the exact ones.
void TestSolvingSession::byValue_data()
{
    QTest::addColumn<bool>("byValue");
    QTest::addColumn<bool>("explaining");
    QTest::addColumn<QString>("datum");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QStringList>("seen");

    QTest::newRow("on") << true << true << "8,0 cm"
                        << "48 cmq"
                        << QStringList{"Bravo: Si scrive «8 cm».",
                                       "Bravo. Hai finito.: Si scrive «48 cm²». Per scrivere «²» "
                                       "premi Ctrl+2. Non hai sbagliato niente: bravissimo!"};
    QTest::newRow("on, a class test") << true << false << "8cm"
                                      << "48 cm2" << QStringList{"Bravo: ", "Bravo. Hai finito.: "};
    QTest::newRow("on, a length for an area")
        << true << true << "8 cm"
        << "48 cm"
        << QStringList{"Bravo: ", "Errato: Il numero è giusto, ma un'area si misura in unità "
                                  "quadrate: «48 cm²». Per scrivere «²» premi Ctrl+2."};
    QTest::newRow("off") << false << true << "8,0 cm"
                         << "48 cmq"
                         << QStringList{"Errato: Il numero è giusto, ma va scritto «8», senza zeri "
                                        "in più.",
                                        "Errato: Il numero è giusto, ma l'unità di misura si "
                                        "scrive «cm²». Per scrivere «²» premi Ctrl+2."};
}

void TestSolvingSession::byValue()
{
    QFETCH(bool, byValue);
    QFETCH(bool, explaining);
    QFETCH(QString, datum);
    QFETCH(QString, result);
    QFETCH(QStringList, seen);
    SolvingSession s;
    s.setEquivalentForms(byValue);
    s.setExplaining(explaining);
    const auto told = [](const SolvingOutcome &o) {
        return o.hint.value_or("-") + ": " + o.explanation;
    };
    s.open(Problems.value("rettangolo"));
    s.typeDatum(0, datum);
    QCOMPARE(told(s.confirmDatum(0)), seen[0]);
    // On to the last step with the answers as written.
    s.typeDatum(0, "8 cm");
    if (s.index() == 0)
        s.confirmDatum(0);
    s.typeDatum(1, "6 cm");
    s.confirmDatum(1);
    s.chooseFormula(9);
    s.typeResult(0, "28 cm");
    s.confirmResult(0);
    s.typeResult(1, result);
    QCOMPARE(told(s.confirmResult(1)), seen[1]);
}

QTEST_GUILESS_MAIN(TestSolvingSession)
#include "tst_solvingsession.moc"
