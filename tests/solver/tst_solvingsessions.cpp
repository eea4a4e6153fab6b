// Whole solving sessions through the real widgets: each row is a script of a
// pupil's actions, with what the window must show after each one.
#include "form2.h"
#include "module1.h"
#include "programfolder.h"
#include "pupil.h"
#include "solverhandler.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

namespace {

enum class Act {
    Open,           // "Apri", then the problem named by text (empty: cancelled)
    Dato,           // replace data box index with text, Enter
    EnterDato,      // Enter in data box index as it is
    Formula,        // click formula number index
    Risultato,      // replace result box index with text, Enter
    EnterRisultato, // Enter in result box index as it is
    ClickTesto,     // click the problem text
};

struct Step {
    Act act;
    int index;
    QString text;
    QString hint;
    QString state; // as Pupil::state() describes it
    QString focus;
};

using Script = QList<Step>;

QString describe(const Step &step)
{
    static const char *names[] = {"Open",      "Dato",           "EnterDato", "Formula",
                                  "Risultato", "EnterRisultato", "ClickTesto"};
    return QStringLiteral("%1 %2 \"%3\"")
        .arg(QLatin1String(names[int(step.act)]))
        .arg(step.index)
        .arg(step.text);
}

EditorProblem problem(const QStringList &dati, const QList<std::optional<int>> &formule,
                      const QStringList &risultati, const QString &figura = {})
{
    EditorProblem p;
    p.testo = QStringLiteral("Problema di prova.");
    p.nomeFigura = figura;
    for (int i = 0; i < dati.size(); ++i)
        p.dati[i] = dati[i];
    for (int i = 0; i < formule.size(); ++i)
        p.formule[i] = formule[i];
    for (int i = 0; i < risultati.size(); ++i)
        p.risultati[i] = risultati[i];
    return p;
}

// The beginning of the rectangle problem up to the result of its first step.
Script rettangoloToStep1()
{
    return {
        {Act::Open, 0, "rettangolo", "Inserisci i dati", "dati 0 slot - ris - off k0", "txtDati_0"},
        {Act::Dato, 0, "8 cm", "Bravo", "dati 01 slot - ris - off k1", "txtDati_1"},
        {Act::Dato, 1, "6 cm", "Bravo. Scegli la formula", "dati 01 slot 0=v ris - on k0",
         "picFormRis_0"},
        {Act::Formula, 9, "", "Bravo", "dati 01 slot 0=9 ris 0 on k0", "txtRisultato_0"},
        {Act::Risultato, 0, "28 cm", "Bravo. Scegli la formula",
         "dati 01 slot 0=9 1=v ris 01 on k1", "picFormRis_1"},
    };
}

Script rettangoloSolved()
{
    return rettangoloToStep1() + Script{
                                     {Act::Formula, 6, "", "Bravo",
                                      "dati 01 slot 0=9 1=6 ris 01 on k1", "txtRisultato_1"},
                                     {Act::Risultato, 1, "48 cm²", "Bravo. Hai finito.",
                                      "dati 01 slot 0=9 1=6 ris 01 off k0", "cmdApri_Risoluzione"},
                                 };
}

// The problem with a gap after its second data value, up to its third step.
Script lacunaToStep2()
{
    return {
        {Act::Open, 0, "lacuna", "Inserisci i dati", "dati 0 slot - ris - off k0", "txtDati_0"},
        {Act::Dato, 0, "3 cm", "Bravo", "dati 01 slot - ris - off k1", "txtDati_1"},
        {Act::Dato, 1, "4 cm", "Bravo. Scegli la formula", "dati 01 slot 0=v ris - on k0",
         "picFormRis_0"},
        {Act::Formula, 0, "", "Bravo", "dati 01 slot 0=0 ris 0 on k0", "txtRisultato_0"},
        {Act::Risultato, 0, "a", "Bravo. Scegli la formula", "dati 01 slot 0=0 1=v ris 01 on k1",
         "picFormRis_1"},
        {Act::Formula, 1, "", "Bravo", "dati 01 slot 0=0 1=1 ris 01 on k1", "txtRisultato_1"},
        {Act::Risultato, 1, "b", "Bravo. Scegli la formula",
         "dati 01 slot 0=0 1=1 2=v ris 012 on k2", "picFormRis_2"},
    };
}

} // namespace

Q_DECLARE_METATYPE(Script)

class TestSolvingSessions : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void session_data();
    void session();
    void ignoredEvents_data();
    void ignoredEvents();

private:
    QTemporaryDir m_programFolder;
    QTemporaryDir m_problems;
    QMap<QString, QString> m_paths;
};

void TestSolvingSessions::initTestCase()
{
    QVERIFY(m_programFolder.isValid());
    QVERIFY(m_problems.isValid());
    const QString beside = QStringLiteral(ZENUVIO_SOURCE_DIR "/resources/beside/");
    for (const char *name : {"Vuoto.gif", "Rettangolo.gif"})
        QVERIFY(QFile::copy(beside + name, m_programFolder.filePath(name)));
    ProgramFolder::setOverride(m_programFolder.path());

    const QString dir = m_problems.path();
    const std::optional<int> none;
    const QMap<QString, EditorProblem> problems = {
        {"rettangolo",
         problem({"8 cm", "6 cm"}, {9, 6}, {"28 cm", "48 cm²"}, QStringLiteral("Rettangolo.gif"))},
        {"parallelogramma", problem({"10 cm", "4 cm"}, {17}, {"40 cm²"})},
        {"senzaDati", problem({}, {2}, {"20 cm"})},
        {"ottoDati",
         problem({"1 cm", "2 cm", "3 cm", "4 cm", "5 cm", "6 cm", "7 cm", "8 cm"}, {0}, {"1 cm²"})},
        {"ottoPassaggi", problem({"2 cm"}, {0, 1, 2, 3, 4, 5, 6, 7},
                                 {"r0", "r1", "r2", "r3", "r4", "r5", "r6", "r7"})},
        {"primoSenzaFormula", problem({"5 cm"}, {none, 2}, {"25 cm²", "20 cm"})},
        {"primoVuoto", problem({"5 cm"}, {}, {})},
        {"formulaSenzaRisultato", problem({"5 cm"}, {0}, {})},
        {"lacuna", problem({"3 cm", "4 cm", "", "9 cm"}, {0, 1, 2, 3}, {"a", "b", "c", "d"})},
    };
    for (auto it = problems.cbegin(); it != problems.cend(); ++it)
        m_paths[it.key()] = TestProblems::write(dir, it.key() + ".znv", it.value());

    // Written by hand: a formula number with a leading zero.
    QByteArray bytes = "Zero iniziale.\r\n\r\n5 cm\r\n";
    bytes += QByteArray("\r\n").repeated(7);
    bytes += " 06 \r\n";
    bytes += QByteArray("\r\n").repeated(7);
    bytes += "25 cm\xb2\r\n";
    bytes += QByteArray("\r\n").repeated(7);
    m_paths["zeroIniziale"] = TestProblems::writeBytes(dir, "zeroIniziale.znv", bytes);
}

void TestSolvingSessions::cleanupTestCase()
{
    ProgramFolder::setOverride({});
}

void TestSolvingSessions::session_data()
{
    QTest::addColumn<Script>("script");

    QTest::newRow("dati, formule e risultati giusti e sbagliati") << Script{
        {Act::Open, 0, "rettangolo", "Inserisci i dati", "dati 0 slot - ris - off k0", "txtDati_0"},
        {Act::Dato, 0, "8 cm ", "Errato", "dati 0 slot - ris - off k0", "txtDati_0"},
        {Act::Dato, 0, "8 CM", "Errato", "dati 0 slot - ris - off k0", "txtDati_0"},
        {Act::Dato, 0, "8cm", "Errato", "dati 0 slot - ris - off k0", "txtDati_0"},
        {Act::Dato, 0, "8,0 cm", "Errato", "dati 0 slot - ris - off k0", "txtDati_0"},
        {Act::Dato, 0, "8 cm", "Bravo", "dati 01 slot - ris - off k1", "txtDati_1"},
        // The panel is off while the data are typed: the click gets nowhere.
        {Act::Formula, 9, "", "Bravo", "dati 01 slot - ris - off k1", "txtDati_1"},
        {Act::Dato, 1, "6 cm", "Bravo. Scegli la formula", "dati 01 slot 0=v ris - on k0",
         "picFormRis_0"},
        {Act::Formula, 6, "", "Errata", "dati 01 slot 0=v ris - on k0", "picFormRis_0"},
        {Act::Formula, 9, "", "Bravo", "dati 01 slot 0=9 ris 0 on k0", "txtRisultato_0"},
        {Act::Risultato, 0, "28 cm ", "Errato", "dati 01 slot 0=9 ris 0 on k0", "txtRisultato_0"},
        {Act::Risultato, 0, "28 Cm", "Errato", "dati 01 slot 0=9 ris 0 on k0", "txtRisultato_0"},
        {Act::Risultato, 0, "28 cm", "Bravo. Scegli la formula",
         "dati 01 slot 0=9 1=v ris 01 on k1", "picFormRis_1"},
        {Act::Formula, 6, "", "Bravo", "dati 01 slot 0=9 1=6 ris 01 on k1", "txtRisultato_1"},
        // A wrong formula once the right one was shown leaves the slot as it is.
        {Act::Formula, 7, "", "Errata", "dati 01 slot 0=9 1=6 ris 01 on k1", "picFormRis_1"},
        {Act::Formula, 6, "", "Bravo", "dati 01 slot 0=9 1=6 ris 01 on k1", "txtRisultato_1"},
        {Act::Risultato, 1, "48 cm2", "Errato", "dati 01 slot 0=9 1=6 ris 01 on k1",
         "txtRisultato_1"},
        {Act::Risultato, 1, "48 cm²", "Bravo. Hai finito.", "dati 01 slot 0=9 1=6 ris 01 off k0",
         "cmdApri_Risoluzione"},
        {Act::Formula, 9, "", "Bravo. Hai finito.", "dati 01 slot 0=9 1=6 ris 01 off k0",
         "cmdApri_Risoluzione"},
    };

    QTest::newRow("la stessa formula su un'altra scheda") << Script{
        {Act::Open, 0, "parallelogramma", "Inserisci i dati", "dati 0 slot - ris - off k0",
         "txtDati_0"},
        {Act::Dato, 0, "10 cm", "Bravo", "dati 01 slot - ris - off k1", "txtDati_1"},
        {Act::Dato, 1, "4 cm", "Bravo. Scegli la formula", "dati 01 slot 0=v ris - on k0",
         "picFormRis_0"},
        {Act::Formula, 6, "", "Errata", "dati 01 slot 0=v ris - on k0", "picFormRis_0"},
        {Act::Formula, 17, "", "Bravo", "dati 01 slot 0=17 ris 0 on k0", "txtRisultato_0"},
        {Act::Risultato, 0, "40 cm²", "Bravo. Hai finito.", "dati 01 slot 0=17 ris 0 off k0",
         "cmdApri_Risoluzione"},
    };

    QTest::newRow("nessun dato") << Script{
        {Act::Open, 0, "senzaDati", "Inserisci i dati", "dati 0 slot - ris - off k0", "txtDati_0"},
        {Act::Dato, 0, "x", "Errato", "dati 0 slot - ris - off k0", "txtDati_0"},
        {Act::Dato, 0, "", "Bravo. Scegli la formula", "dati 0 slot 0=v ris - on k0",
         "picFormRis_0"},
        {Act::Formula, 2, "", "Bravo", "dati 0 slot 0=2 ris 0 on k0", "txtRisultato_0"},
        {Act::Risultato, 0, "20 cm", "Bravo. Hai finito.", "dati 0 slot 0=2 ris 0 off k0",
         "cmdApri_Risoluzione"},
    };

    QTest::newRow("otto dati, Invio in un dato precedente") << Script{
        {Act::Open, 0, "ottoDati", "Inserisci i dati", "dati 0 slot - ris - off k0", "txtDati_0"},
        {Act::Dato, 0, "1 cm", "Bravo", "dati 01 slot - ris - off k1", "txtDati_1"},
        {Act::Dato, 1, "2 cm", "Bravo", "dati 012 slot - ris - off k2", "txtDati_2"},
        // Box 0 holds its right value, but the check is on box 2, still empty.
        {Act::EnterDato, 0, "", "Errato", "dati 012 slot - ris - off k2", "txtDati_2"},
        {Act::Dato, 0, "1 cm", "Errato", "dati 012 slot - ris - off k2", "txtDati_2"},
        {Act::Dato, 2, "3 cm", "Bravo", "dati 0123 slot - ris - off k3", "txtDati_3"},
        {Act::Dato, 3, "4 cm", "Bravo", "dati 01234 slot - ris - off k4", "txtDati_4"},
        {Act::Dato, 4, "5 cm", "Bravo", "dati 012345 slot - ris - off k5", "txtDati_5"},
        {Act::Dato, 5, "6 cm", "Bravo", "dati 0123456 slot - ris - off k6", "txtDati_6"},
        {Act::Dato, 6, "7 cm", "Bravo", "dati 01234567 slot - ris - off k7", "txtDati_7"},
        {Act::ClickTesto, 0, "", "Bravo", "dati 01234567 slot - ris - off k7", "txtDati_7"},
        {Act::Dato, 7, "8 cm", "Bravo. Scegli la formula", "dati 01234567 slot 0=v ris - on k0",
         "picFormRis_0"},
        {Act::Formula, 0, "", "Bravo", "dati 01234567 slot 0=0 ris 0 on k0", "txtRisultato_0"},
        {Act::Risultato, 0, "1 cm²", "Bravo. Hai finito.", "dati 01234567 slot 0=0 ris 0 off k0",
         "cmdApri_Risoluzione"},
    };

    QTest::newRow("otto passaggi") << Script{
        {Act::Open, 0, "ottoPassaggi", "Inserisci i dati", "dati 0 slot - ris - off k0",
         "txtDati_0"},
        {Act::Dato, 0, "2 cm", "Bravo. Scegli la formula", "dati 0 slot 0=v ris - on k0",
         "picFormRis_0"},
        {Act::Formula, 0, "", "Bravo", "dati 0 slot 0=0 ris 0 on k0", "txtRisultato_0"},
        {Act::Risultato, 0, "r0", "Bravo. Scegli la formula", "dati 0 slot 0=0 1=v ris 01 on k1",
         "picFormRis_1"},
        {Act::Formula, 1, "", "Bravo", "dati 0 slot 0=0 1=1 ris 01 on k1", "txtRisultato_1"},
        {Act::Risultato, 1, "r1", "Bravo. Scegli la formula",
         "dati 0 slot 0=0 1=1 2=v ris 012 on k2", "picFormRis_2"},
        {Act::Formula, 2, "", "Bravo", "dati 0 slot 0=0 1=1 2=2 ris 012 on k2", "txtRisultato_2"},
        {Act::Risultato, 2, "r2", "Bravo. Scegli la formula",
         "dati 0 slot 0=0 1=1 2=2 3=v ris 0123 on k3", "picFormRis_3"},
        {Act::Formula, 3, "", "Bravo", "dati 0 slot 0=0 1=1 2=2 3=3 ris 0123 on k3",
         "txtRisultato_3"},
        {Act::Risultato, 3, "r3", "Bravo. Scegli la formula",
         "dati 0 slot 0=0 1=1 2=2 3=3 4=v ris 01234 on k4", "picFormRis_4"},
        {Act::Formula, 4, "", "Bravo", "dati 0 slot 0=0 1=1 2=2 3=3 4=4 ris 01234 on k4",
         "txtRisultato_4"},
        {Act::Risultato, 4, "r4", "Bravo. Scegli la formula",
         "dati 0 slot 0=0 1=1 2=2 3=3 4=4 5=v ris 012345 on k5", "picFormRis_5"},
        {Act::Formula, 5, "", "Bravo", "dati 0 slot 0=0 1=1 2=2 3=3 4=4 5=5 ris 012345 on k5",
         "txtRisultato_5"},
        {Act::Risultato, 5, "r5", "Bravo. Scegli la formula",
         "dati 0 slot 0=0 1=1 2=2 3=3 4=4 5=5 6=v ris 0123456 on k6", "picFormRis_6"},
        {Act::Formula, 6, "", "Bravo", "dati 0 slot 0=0 1=1 2=2 3=3 4=4 5=5 6=6 ris 0123456 on k6",
         "txtRisultato_6"},
        {Act::Risultato, 6, "r6", "Bravo. Scegli la formula",
         "dati 0 slot 0=0 1=1 2=2 3=3 4=4 5=5 6=6 7=v ris 01234567 on k7", "picFormRis_7"},
        {Act::Formula, 7, "", "Bravo",
         "dati 0 slot 0=0 1=1 2=2 3=3 4=4 5=5 6=6 7=7 ris 01234567 on k7", "txtRisultato_7"},
        {Act::Risultato, 7, "r7", "Bravo. Hai finito.",
         "dati 0 slot 0=0 1=1 2=2 3=3 4=4 5=5 6=6 7=7 ris 01234567 off k0", "cmdApri_Risoluzione"},
    };

    QTest::newRow("primo passaggio senza formula, mai finito") << Script{
        {Act::Open, 0, "primoSenzaFormula", "Inserisci i dati", "dati 0 slot - ris - off k0",
         "txtDati_0"},
        {Act::Dato, 0, "5 cm", "Bravo. Scegli la formula", "dati 0 slot 0=v ris - on k0",
         "picFormRis_0"},
        {Act::Formula, 0, "", "Errata", "dati 0 slot 0=v ris - on k0", "picFormRis_0"},
        {Act::Formula, 2, "", "Errata", "dati 0 slot 0=v ris - on k0", "picFormRis_0"},
        {Act::Formula, 138, "", "Errata", "dati 0 slot 0=v ris - on k0", "picFormRis_0"},
        // The result box of the first step only comes with its formula.
        {Act::Risultato, 0, "25 cm²", "Errata", "dati 0 slot 0=v ris - on k0", "picFormRis_0"},
        {Act::EnterDato, 0, "", "Bravo. Scegli la formula", "dati 0 slot 0=v ris - on k0",
         "picFormRis_0"},
        {Act::ClickTesto, 0, "", "Bravo. Scegli la formula", "dati 0 slot 0=v ris - on k0",
         "txtDati_0"},
    };

    QTest::newRow("primo passaggio senza formula e senza risultato") << Script{
        {Act::Open, 0, "primoVuoto", "Inserisci i dati", "dati 0 slot - ris - off k0", "txtDati_0"},
        {Act::Dato, 0, "5 cm", "Bravo. Scegli la formula", "dati 0 slot 0=v ris - on k0",
         "picFormRis_0"},
        {Act::Formula, 0, "", "Errata", "dati 0 slot 0=v ris - on k0", "picFormRis_0"},
        {Act::Formula, 138, "", "Errata", "dati 0 slot 0=v ris - on k0", "picFormRis_0"},
    };

    QTest::newRow("formula giusta, risultato vuoto") << Script{
        {Act::Open, 0, "formulaSenzaRisultato", "Inserisci i dati", "dati 0 slot - ris - off k0",
         "txtDati_0"},
        {Act::Dato, 0, "5 cm", "Bravo. Scegli la formula", "dati 0 slot 0=v ris - on k0",
         "picFormRis_0"},
        {Act::Formula, 0, "", "Bravo", "dati 0 slot 0=0 ris 0 on k0", "txtRisultato_0"},
        {Act::Risultato, 0, "0", "Errato", "dati 0 slot 0=0 ris 0 on k0", "txtRisultato_0"},
        {Act::Risultato, 0, "", "Bravo. Hai finito.", "dati 0 slot 0=0 ris 0 off k0",
         "cmdApri_Risoluzione"},
    };

    QTest::newRow("formula con zero iniziale") << Script{
        {Act::Open, 0, "zeroIniziale", "Inserisci i dati", "dati 0 slot - ris - off k0",
         "txtDati_0"},
        {Act::Dato, 0, "5 cm", "Bravo. Scegli la formula", "dati 0 slot 0=v ris - on k0",
         "picFormRis_0"},
        {Act::Formula, 6, "", "Errata", "dati 0 slot 0=v ris - on k0", "picFormRis_0"},
        {Act::Formula, 0, "", "Errata", "dati 0 slot 0=v ris - on k0", "picFormRis_0"},
    };

    QTest::newRow("risultato prima della formula")
        << rettangoloToStep1() + Script{
                                     {Act::Risultato, 1, "48 cm²", "Bravo. Hai finito.",
                                      "dati 01 slot 0=9 1=v ris 01 off k0", "cmdApri_Risoluzione"},
                                 };

    QTest::newRow("Invio dopo Bravo. Hai finito.")
        << rettangoloSolved() +
               Script{
                   // k is 0 again: the result of the first step is checked once more.
                   {Act::EnterRisultato, 0, "", "Bravo. Scegli la formula",
                    "dati 01 slot 0=9 1=v ris 01 on k1", "picFormRis_1"},
                   {Act::EnterRisultato, 1, "", "Bravo. Hai finito.",
                    "dati 01 slot 0=9 1=v ris 01 off k0", "cmdApri_Risoluzione"},
                   // So are the data, from the first.
                   {Act::EnterDato, 1, "", "Bravo", "dati 01 slot 0=9 1=v ris 01 off k1",
                    "txtDati_1"},
                   {Act::EnterDato, 0, "", "Bravo. Scegli la formula",
                    "dati 01 slot 0=v 1=v ris 01 on k0", "picFormRis_0"},
                   {Act::Formula, 9, "", "Bravo", "dati 01 slot 0=9 1=v ris 01 on k0",
                    "txtRisultato_0"},
               };

    QTest::newRow("Invio in un dato durante i passaggi, dato nascosto")
        << lacunaToStep2() +
               Script{
                   {Act::Formula, 2, "", "Bravo", "dati 01 slot 0=0 1=1 2=2 ris 012 on k2",
                    "txtRisultato_2"},
                   {Act::Risultato, 2, "c", "Bravo. Scegli la formula",
                    "dati 01 slot 0=0 1=1 2=2 3=v ris 0123 on k3", "picFormRis_3"},
                   // Data box 3 is hidden and empty, data value 3 is not: wrong, and
                   // the focus cannot go to the hidden box, so it stays where it was.
                   {Act::EnterDato, 1, "", "Errato", "dati 01 slot 0=0 1=1 2=2 3=v ris 0123 on k3",
                    "txtDati_1"},
                   {Act::ClickTesto, 0, "", "Errato", "dati 01 slot 0=0 1=1 2=2 3=v ris 0123 on k3",
                    "txtTesto"},
                   {Act::Formula, 3, "", "Bravo", "dati 01 slot 0=0 1=1 2=2 3=3 ris 0123 on k3",
                    "txtRisultato_3"},
                   {Act::Risultato, 3, "d", "Bravo. Hai finito.",
                    "dati 01 slot 0=0 1=1 2=2 3=3 ris 0123 off k0", "cmdApri_Risoluzione"},
               };

    QTest::newRow("Invio in un dato durante i passaggi, i dati riprendono")
        << lacunaToStep2() +
               Script{
                   // Data value 2 is empty like its hidden box: right, and the data go
                   // on at value 3, with no formula to choose meanwhile.
                   {Act::EnterDato, 0, "", "Bravo", "dati 013 slot 0=0 1=1 2=v ris 012 off k3",
                    "txtDati_3"},
                   {Act::Formula, 2, "", "Bravo", "dati 013 slot 0=0 1=1 2=v ris 012 off k3",
                    "txtDati_3"},
                   {Act::Dato, 3, "9 cm", "Bravo. Scegli la formula",
                    "dati 013 slot 0=v 1=1 2=v ris 012 on k0", "picFormRis_0"},
                   {Act::Formula, 0, "", "Bravo", "dati 013 slot 0=0 1=1 2=v ris 012 on k0",
                    "txtRisultato_0"},
               };

    QTest::newRow("un secondo problema a metà del primo")
        << rettangoloToStep1() +
               Script{
                   // The new problem starts from empty boxes: its empty first data value
                   // is right only if the box was emptied.
                   {Act::Open, 0, "senzaDati", "Inserisci i dati", "dati 0 slot - ris - off k0",
                    "txtDati_0"},
                   {Act::EnterDato, 0, "", "Bravo. Scegli la formula",
                    "dati 0 slot 0=v ris - on k0", "picFormRis_0"},
                   {Act::Formula, 9, "", "Errata", "dati 0 slot 0=v ris - on k0", "picFormRis_0"},
                   {Act::Formula, 2, "", "Bravo", "dati 0 slot 0=2 ris 0 on k0", "txtRisultato_0"},
                   {Act::EnterRisultato, 0, "", "Errato", "dati 0 slot 0=2 ris 0 on k0",
                    "txtRisultato_0"},
               };

    QTest::newRow("apertura annullata a metà")
        << rettangoloToStep1() +
               Script{
                   {Act::Open, 0, "", "Ciao", "dati - slot - ris - off k8", "cmdApri_Risoluzione"},
                   {Act::ClickTesto, 0, "", "Ciao", "dati - slot - ris - off k8",
                    "cmdApri_Risoluzione"},
                   {Act::Formula, 9, "", "Ciao", "dati - slot - ris - off k8",
                    "cmdApri_Risoluzione"},
                   {Act::Open, 0, "rettangolo", "Inserisci i dati", "dati 0 slot - ris - off k0",
                    "txtDati_0"},
                   {Act::EnterDato, 0, "", "Errato", "dati 0 slot - ris - off k0", "txtDati_0"},
               };
}

void TestSolvingSessions::session()
{
    QFETCH(Script, script);
    Pupil pupil;
    if (!pupil.isActive())
        QSKIP("The work window cannot be made active here.");

    for (int n = 0; n < script.size(); ++n) {
        const Step &step = script[n];
        switch (step.act) {
        case Act::Open:
            pupil.open(step.text.isEmpty() ? QString() : m_paths.value(step.text));
            break;
        case Act::Dato:
            pupil.typeDato(step.index, step.text);
            break;
        case Act::EnterDato:
            pupil.enterDato(step.index);
            break;
        case Act::Formula:
            pupil.clickFormula(step.index);
            break;
        case Act::Risultato:
            pupil.typeRisultato(step.index, step.text);
            break;
        case Act::EnterRisultato:
            pupil.enterRisultato(step.index);
            break;
        case Act::ClickTesto:
            pupil.clickTesto();
            break;
        }
        const QString where = QStringLiteral("step %1: %2").arg(n + 1).arg(describe(step));
        const QString seen =
            QStringLiteral("%1 | %2 | %3").arg(pupil.hint(), pupil.state(), pupil.focus());
        const QString expected =
            QStringLiteral("%1 | %2 | %3").arg(step.hint, step.state, step.focus);
        QVERIFY2(
            seen == expected,
            qPrintable(
                QStringLiteral("%1\n   seen:     %2\n   expected: %3").arg(where, seen, expected)));
    }
}

// Events that are not Enter, or that come outside solving mode, change nothing.
void TestSolvingSessions::ignoredEvents_data()
{
    QTest::addColumn<QString>("event");
    QTest::addColumn<int>("keyAscii");
    QTest::addColumn<int>("modoEditor");
    QTest::addColumn<int>("modoRisoluzione");

    QTest::newRow("un altro tasto nei dati") << "txtDati_KeyPress" << 10 << 0 << 1;
    QTest::newRow("Invio nei dati fuori dalla risoluzione") << "txtDati_KeyPress" << 13 << 1 << 0;
    QTest::newRow("un altro tasto nei risultati") << "txtRisultato_KeyPress" << 65 << 0 << 1;
    QTest::newRow("Invio nei risultati fuori dalla risoluzione")
        << "txtRisultato_KeyPress" << 13 << 1 << 0;
    QTest::newRow("formula in modo editor") << "picFormula_Click" << 0 << 1 << 1;
    QTest::newRow("formula fuori dalla risoluzione") << "picFormula_Click" << 0 << 0 << 0;
    QTest::newRow("testo fuori dalla risoluzione") << "txtTesto_Click" << 0 << 1 << 0;
}

void TestSolvingSessions::ignoredEvents()
{
    QFETCH(QString, event);
    QFETCH(int, keyAscii);
    QFETCH(int, modoEditor);
    QFETCH(int, modoRisoluzione);

    Pupil pupil;
    // The first result typed right but not confirmed, the first data box
    // right: any check that ran would change the hint or the state.
    pupil.open(m_paths.value("rettangolo"));
    pupil.typeDato(0, "8 cm");
    pupil.typeDato(1, "6 cm");
    pupil.clickFormula(9);
    QTest::keyClicks(pupil.form().txtRisultato[0], "28 cm");
    const QString hint = pupil.hint();
    const QString state = pupil.state();
    const QString focus = pupil.focus();
    QCOMPARE(state, QStringLiteral("dati 01 slot 0=9 ris 0 on k0"));

    Module1::ModoEditor = modoEditor;
    Module1::ModoRisoluzione = modoRisoluzione;
    SolverHandler handler(pupil.form());
    if (event == "txtDati_KeyPress")
        handler.txtDati_KeyPress(1, keyAscii);
    else if (event == "txtRisultato_KeyPress")
        handler.txtRisultato_KeyPress(0, keyAscii);
    else if (event == "picFormula_Click")
        handler.picFormula_Click(7);
    else
        handler.txtTesto_Click();
    Module1::ModoEditor = 0;
    Module1::ModoRisoluzione = 1;

    QCOMPARE(pupil.hint(), hint);
    QCOMPARE(pupil.state(), state);
    QCOMPARE(pupil.focus(), focus);
}

QTEST_MAIN(TestSolvingSessions)
#include "tst_solvingsessions.moc"
