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
// spento) and the box that takes the focus ("-" when it stays where it is).
#include "solvingsession.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

SolvingProblem problem(const QStringList &dati, const QStringList &formule,
                       const QStringList &risultati)
{
    SolvingProblem p{QStringLiteral("Un problema."), {}, {}, {}, {}};
    std::copy(dati.begin(), dati.end(), p.dati.begin());
    std::copy(formule.begin(), formule.end(), p.formule.begin());
    std::copy(risultati.begin(), risultati.end(), p.risultati.begin());
    return p;
}

const QMap<QString, SolvingProblem> Problems = {
    {"rettangolo", problem({"8 cm", "6 cm"}, {"9", "6"}, {"28 cm", "48 cm²"})},
    {"nessunDato", problem({}, {"17"}, {"40 cm²"})},
    {"otto",
     problem({"1", "2", "3", "4", "5", "6", "7", "8"}, {"0", "1", "2", "3", "4", "5", "6", "7"},
             {"r0", "r1", "r2", "r3", "r4", "r5", "r6", "r7"})},
    {"primoVuoto", problem({"5 cm"}, {}, {})},
    {"formulaSenzaRisultato", problem({"5 cm"}, {"0"}, {})},
    {"lacuna", problem({"3 cm", "", "9 cm"}, {"0", "1"}, {"a", "b"})},
    {"zeroDavanti", problem({"5 cm"}, {"06"}, {"25 cm²"})},
};

QString stageText(const SolvingSession &session)
{
    const QString k = QString::number(session.index());
    switch (session.stage()) {
    case SolvingSession::Stage::NoProblem:
        return "nessun problema";
    case SolvingSession::Stage::Data:
        return "dato " + k;
    case SolvingSession::Stage::Formula:
        return "formula " + k;
    case SolvingSession::Stage::Result:
        return "risultato " + k;
    case SolvingSession::Stage::Finished:
        return "finito";
    }
    return "?";
}

QString focusText(const SolvingOutcome &outcome)
{
    const QString k = QString::number(outcome.focusIndex);
    switch (outcome.focus) {
    case SolvingOutcome::Focus::Unchanged:
        return "-";
    case SolvingOutcome::Focus::Datum:
        return "dato " + k;
    case SolvingOutcome::Focus::StepFormula:
        return "formula " + k;
    case SolvingOutcome::Focus::Result:
        return "risultato " + k;
    case SolvingOutcome::Focus::OpenButton:
        return "Apri";
    }
    return "?";
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
    QTest::addColumn<QStringList>("script");

    QTest::newRow("dati, formule e risultati giusti e sbagliati") << QStringList{
        R"(apri rettangolo -> Inserisci i dati | dato 0 | spento | dato 0)",
        R"(dato 0 "8 cm " -> Errato | dato 0 | spento | dato 0)",
        R"(dato 0 "8 CM" -> Errato | dato 0 | spento | dato 0)",
        R"(dato 0 "8 cm" -> Bravo | dato 1 | spento | dato 1)",
        R"(formula 9 -> - | dato 1 | spento | -)",
        R"(dato 1 "6 cm" -> Bravo. Scegli la formula | formula 0 | acceso | formula 0)",
        R"(formula 6 -> Errata | formula 0 | acceso | formula 0)",
        R"(formula 9 -> Bravo | risultato 0 | acceso | risultato 0)",
        R"(risultato 0 "28 cm " -> Errato | risultato 0 | acceso | risultato 0)",
        R"(risultato 0 "28 cm" -> Bravo. Scegli la formula | formula 1 | acceso | formula 1)",
        R"(formula 6 -> Bravo | risultato 1 | acceso | risultato 1)",
        R"(formula 7 -> Errata | risultato 1 | acceso | formula 1)",
        R"(risultato 1 "48 cm²" -> Bravo. Hai finito. | finito | spento | Apri)",
        R"(formula 9 -> - | finito | spento | -)",
    };
    QTest::newRow("nessun dato, la stessa formula su un'altra scheda") << QStringList{
        R"(apri nessunDato -> Inserisci i dati | dato 0 | spento | dato 0)",
        R"(dato 0 "x" -> Errato | dato 0 | spento | dato 0)",
        R"(dato 0 "" -> Bravo. Scegli la formula | formula 0 | acceso | formula 0)",
        R"(formula 6 -> Errata | formula 0 | acceso | formula 0)",
        R"(formula 17 -> Bravo | risultato 0 | acceso | risultato 0)",
        R"(risultato 0 "40 cm²" -> Bravo. Hai finito. | finito | spento | Apri)",
    };
    QTest::newRow("otto dati, Invio in un dato precedente, otto passaggi") << QStringList{
        R"(apri otto -> Inserisci i dati | dato 0 | spento | dato 0)",
        R"(dato 0 "1" -> Bravo | dato 1 | spento | dato 1)",
        R"(dato 1 "2" -> Bravo | dato 2 | spento | dato 2)",
        // Box 0 is right, but box 2 is the one checked.
        R"(invio dato 0 -> Errato | dato 2 | spento | dato 2)",
        R"(dato 2 "3" -> Bravo | dato 3 | spento | dato 3)",
        R"(dato 3 "4" -> Bravo | dato 4 | spento | dato 4)",
        R"(dato 4 "5" -> Bravo | dato 5 | spento | dato 5)",
        R"(dato 5 "6" -> Bravo | dato 6 | spento | dato 6)",
        R"(dato 6 "7" -> Bravo | dato 7 | spento | dato 7)",
        R"(dato 7 "8" -> Bravo. Scegli la formula | formula 0 | acceso | formula 0)",
        R"(formula 0 -> Bravo | risultato 0 | acceso | risultato 0)",
        // From the second step on, a right result needs no formula first.
        R"(risultato 0 "r0" -> Bravo. Scegli la formula | formula 1 | acceso | formula 1)",
        R"(risultato 1 "r1" -> Bravo. Scegli la formula | formula 2 | acceso | formula 2)",
        R"(risultato 2 "r2" -> Bravo. Scegli la formula | formula 3 | acceso | formula 3)",
        R"(risultato 3 "r3" -> Bravo. Scegli la formula | formula 4 | acceso | formula 4)",
        R"(risultato 4 "r4" -> Bravo. Scegli la formula | formula 5 | acceso | formula 5)",
        R"(risultato 5 "r5" -> Bravo. Scegli la formula | formula 6 | acceso | formula 6)",
        R"(risultato 6 "r6" -> Bravo. Scegli la formula | formula 7 | acceso | formula 7)",
        R"(formula 7 -> Bravo | risultato 7 | acceso | risultato 7)",
        R"(risultato 7 "r7" -> Bravo. Hai finito. | finito | spento | Apri)",
    };
    // No formula is right, and the result box comes only with the formula.
    QTest::newRow("primo passaggio senza formula né risultato") << QStringList{
        R"(apri primoVuoto -> Inserisci i dati | dato 0 | spento | dato 0)",
        R"(dato 0 "5 cm" -> Bravo. Scegli la formula | formula 0 | acceso | formula 0)",
        R"(formula 0 -> Errata | formula 0 | acceso | formula 0)",
        R"(formula 138 -> Errata | formula 0 | acceso | formula 0)",
        R"(invio dato 0 -> Bravo. Scegli la formula | formula 0 | acceso | formula 0)",
        R"(testo -> - | formula 0 | acceso | dato 0)",
    };
    QTest::newRow("formula giusta, risultato vuoto") << QStringList{
        R"(apri formulaSenzaRisultato -> Inserisci i dati | dato 0 | spento | dato 0)",
        R"(dato 0 "5 cm" -> Bravo. Scegli la formula | formula 0 | acceso | formula 0)",
        R"(formula 0 -> Bravo | risultato 0 | acceso | risultato 0)",
        R"(risultato 0 "0" -> Errato | risultato 0 | acceso | risultato 0)",
        R"(risultato 0 "" -> Bravo. Hai finito. | finito | spento | Apri)",
    };
    QTest::newRow("una formula scritta con uno zero davanti") << QStringList{
        R"(apri zeroDavanti -> Inserisci i dati | dato 0 | spento | dato 0)",
        R"(dato 0 "5 cm" -> Bravo. Scegli la formula | formula 0 | acceso | formula 0)",
        R"(formula 6 -> Errata | formula 0 | acceso | formula 0)",
    };
    // Once finished, the index is 0 again: step 0 is checked again, and so are the data.
    QTest::newRow("Invio dopo Bravo. Hai finito.") << QStringList{
        R"(apri rettangolo -> Inserisci i dati | dato 0 | spento | dato 0)",
        R"(dato 0 "8 cm" -> Bravo | dato 1 | spento | dato 1)",
        R"(dato 1 "6 cm" -> Bravo. Scegli la formula | formula 0 | acceso | formula 0)",
        R"(formula 9 -> Bravo | risultato 0 | acceso | risultato 0)",
        R"(risultato 0 "28 cm" -> Bravo. Scegli la formula | formula 1 | acceso | formula 1)",
        R"(risultato 1 "48 cm²" -> Bravo. Hai finito. | finito | spento | Apri)",
        R"(invio risultato 1 -> Bravo. Scegli la formula | formula 1 | acceso | formula 1)",
        R"(invio risultato 0 -> Bravo. Hai finito. | finito | spento | Apri)",
        R"(invio dato 1 -> Bravo | dato 1 | spento | dato 1)",
        R"(invio dato 0 -> Bravo. Scegli la formula | formula 0 | acceso | formula 0)",
        R"(formula 9 -> Bravo | risultato 0 | acceso | risultato 0)",
    };
    // At step 1, datum 1 is empty like its hidden box: the data go on at datum 2.
    QTest::newRow("Invio in un dato durante i passaggi") << QStringList{
        R"(apri lacuna -> Inserisci i dati | dato 0 | spento | dato 0)",
        R"(dato 0 "3 cm" -> Bravo. Scegli la formula | formula 0 | acceso | formula 0)",
        R"(formula 0 -> Bravo | risultato 0 | acceso | risultato 0)",
        R"(risultato 0 "a" -> Bravo. Scegli la formula | formula 1 | acceso | formula 1)",
        R"(invio dato 0 -> Bravo | dato 2 | spento | dato 2)",
        R"(formula 1 -> - | dato 2 | spento | -)",
        R"(dato 2 "9 cm" -> Bravo. Scegli la formula | formula 0 | acceso | formula 0)",
    };
    // The empty first datum of the second problem is right only because its box was emptied.
    QTest::newRow("un secondo problema a metà, lo stesso di nuovo, annullato") << QStringList{
        R"(apri rettangolo -> Inserisci i dati | dato 0 | spento | dato 0)",
        R"(dato 0 "8 cm" -> Bravo | dato 1 | spento | dato 1)",
        R"(dato 1 "6 cm" -> Bravo. Scegli la formula | formula 0 | acceso | formula 0)",
        R"(formula 9 -> Bravo | risultato 0 | acceso | risultato 0)",
        R"(apri nessunDato -> Inserisci i dati | dato 0 | spento | dato 0)",
        R"(invio dato 0 -> Bravo. Scegli la formula | formula 0 | acceso | formula 0)",
        R"(apri nessunDato -> Inserisci i dati | dato 0 | spento | dato 0)",
        R"(chiudi -> Ciao | nessun problema | spento | -)",
        R"(testo -> - | nessun problema | spento | -)",
        R"(formula 17 -> - | nessun problema | spento | -)",
        R"(invio risultato 0 -> - | nessun problema | spento | -)",
        R"(apri rettangolo -> Inserisci i dati | dato 0 | spento | dato 0)",
        R"(invio dato 0 -> Errato | dato 0 | spento | dato 0)",
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
        const QString seen = QStringList{outcome.hint.value_or("-"), stageText(s),
                                         s.isPanelOn() ? "acceso" : "spento", focusText(outcome)}
                                 .join(" | ");
        QVERIFY2(seen == m.captured(4), qPrintable(line + "\n   seen: " + seen));
        // A window that was emptied still remembers the last problem read.
        QCOMPARE(s.problem().has_value(), lastOpened.has_value());
        if (lastOpened)
            QCOMPARE(s.problem()->dati, Problems.value(*lastOpened).dati);
    }
}

QTEST_GUILESS_MAIN(TestSolvingSession)
#include "tst_solvingsession.moc"
