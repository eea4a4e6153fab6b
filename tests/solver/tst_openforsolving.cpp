// Opening a problem for solving: the dialog, files that cannot be read,
// figures that cannot be shown and a missing "Vuoto.gif".
#include "form2.h"
#include "messagebox.h"
#include "module1.h"
#include "picturebox.h"
#include "programfolder.h"
#include "pupil.h"
#include "scriptedfiledialog.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString beside = QStringLiteral(ZENUVIO_SOURCE_DIR "/resources/beside/");

EditorProblem rettangolo(const QString &figura)
{
    EditorProblem p;
    p.testo =
        QStringLiteral("Un rettangolo ha la base di 8 cm e l'altezza di 6 cm. Calcola l'area.");
    p.nomeFigura = figura;
    p.dati = {QStringLiteral("8 cm"), QStringLiteral("6 cm")};
    p.formule = {6};
    p.risultati = {QStringLiteral("48 cm²")};
    return p;
}

EditorProblem quadrato()
{
    EditorProblem p;
    p.testo = QStringLiteral("Un quadrato ha il lato di 5 cm. Calcola il perimetro.");
    p.dati = {QStringLiteral("5 cm")};
    p.formule = {2};
    p.risultati = {QStringLiteral("20 cm")};
    return p;
}

QImage imageOf(const QString &path)
{
    return QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage shownFigure(const Form2 &form)
{
    return form.Picture1->picture().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The window as it is when no problem is open.
void verifyEmptyWindow(const Pupil &pupil)
{
    QCOMPARE(pupil.hint(), QStringLiteral("Ciao"));
    QCOMPARE(pupil.state(), QStringLiteral("dati - slot - ris - off k8"));
    QVERIFY(!pupil.form().txtTesto->isEnabled());
    QVERIFY(pupil.form().txtTesto->toPlainText().isEmpty());
    QVERIFY(!pupil.form().Picture1->hasPicture());
}

} // namespace

class TestOpenForSolving : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void dialogProposesTheLastPath();
    void unreadableFile_data();
    void unreadableFile();
    void figure_data();
    void figure();
    void missingEmptySlotPicture();

private:
    QString m_programFolder;
    QTemporaryDir m_root;
};

void TestOpenForSolving::initTestCase()
{
    QVERIFY(m_root.isValid());
}

void TestOpenForSolving::init()
{
    // Each test has a program folder of its own, with "Vuoto.gif" in it.
    m_programFolder = m_root.filePath(QString::fromLatin1(QTest::currentTestFunction()) +
                                      QString::fromLatin1(QTest::currentDataTag()).toLower());
    m_programFolder.replace(QLatin1Char(' '), QLatin1Char('_'));
    QVERIFY(QDir().mkpath(m_programFolder));
    QFile::copy(beside + "Vuoto.gif", m_programFolder + "/Vuoto.gif");
    ProgramFolder::setOverride(m_programFolder);
    MessageBox::setRecording(true);
    MessageBox::clearRecorded();
}

void TestOpenForSolving::cleanup()
{
    MessageBox::clearRecorded();
}

void TestOpenForSolving::cleanupTestCase()
{
    ProgramFolder::setOverride({});
}

void TestOpenForSolving::dialogProposesTheLastPath()
{
    const QString first = TestProblems::write(m_root.path(), "primo.znv", rettangolo({}));
    const QString second = TestProblems::write(m_root.path(), "secondo.znv", quadrato());
    Pupil pupil;

    pupil.open(first);
    QCOMPARE(pupil.form().CommonDialog1.filter(), QStringLiteral("Zenuvio (*.znv)|*.znv"));
    pupil.open(second);
    pupil.typeDato(0, QStringLiteral("5 cm"));
    QCOMPARE(pupil.hint(), QStringLiteral("Bravo. Scegli la formula"));
    // Confirming the proposed path reads the same problem again, from its start.
    pupil.open(second);
    QCOMPARE(pupil.hint(), QStringLiteral("Inserisci i dati"));
    QCOMPARE(pupil.state(), QStringLiteral("dati 0 slot - ris - off k0"));
    QCOMPARE(pupil.form().txtTesto->toPlainText(), quadrato().testo);
    pupil.open({});
    verifyEmptyWindow(pupil);

    const auto &showings = pupil.dialog().showings();
    QCOMPARE(showings.size(), 4);
    const QStringList proposed = {showings[0].proposed, showings[1].proposed, showings[2].proposed,
                                  showings[3].proposed};
    QCOMPARE(proposed, QStringList({QString(), first, second, second}));
    for (const auto &showing : showings) {
        QVERIFY(!showing.forSaving);
        QCOMPARE(showing.nameFilter, QStringLiteral("Zenuvio (*.znv)"));
    }
    QVERIFY(MessageBox::recorded().isEmpty());
}

void TestOpenForSolving::unreadableFile_data()
{
    QTest::addColumn<QByteArray>("bytes"); // the file's content; no file when null
    QTest::addColumn<bool>("folder");      // the path names a folder instead

    QByteArray lines25;
    for (int n = 1; n <= 25; ++n)
        lines25 += "riga " + QByteArray::number(n) + "\r\n";

    QTest::newRow("file inesistente") << QByteArray() << false;
    QTest::newRow("file vuoto") << QByteArray("") << false;
    QTest::newRow("una riga sola") << QByteArray("Solo il testo.\r\n") << false;
    QTest::newRow("25 righe") << lines25 << false;
    QTest::newRow("25 righe, l'ultima senza fine riga") << lines25.chopped(2) << false;
    QTest::newRow("una cartella") << QByteArray() << true;
}

void TestOpenForSolving::unreadableFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, folder);
    const QString good =
        TestProblems::write(m_root.path(), "buono.znv", rettangolo("Rettangolo.gif"));
    QVERIFY(QFile::copy(beside + "Rettangolo.gif", m_programFolder + "/Rettangolo.gif"));
    QString bad = m_programFolder + "/guasto.znv";
    if (folder)
        QVERIFY(QDir().mkpath(bad));
    else if (!bytes.isNull())
        bad = TestProblems::writeBytes(m_programFolder, "guasto.znv", bytes);

    Pupil pupil;
    pupil.open(good);
    pupil.typeDato(0, QStringLiteral("8 cm"));
    pupil.typeDato(1, QStringLiteral("6 cm"));
    pupil.clickFormula(6);
    QCOMPARE(pupil.state(), QStringLiteral("dati 01 slot 0=6 ris 0 on k0"));
    QVERIFY(pupil.form().Picture1->hasPicture());
    const auto before =
        std::make_tuple(Module1::NomeFigura, Module1::Dati, Module1::Formule, Module1::Risultati);

    pupil.open(bad);

    QCOMPARE(MessageBox::recorded().size(), 1);
    const MessageBox::Shown &box = MessageBox::recorded().first();
    QCOMPARE(box.icon, MessageBox::Icon::Warning);
    QVERIFY2(box.text.contains(QDir::toNativeSeparators(bad)), qPrintable(box.text));
    QVERIFY2(box.text.startsWith(QLatin1String("Il file")) || box.text.contains("cartella"),
             qPrintable(box.text));
    verifyEmptyWindow(pupil);
    // The problem read before is still whole in memory.
    QVERIFY(before == std::make_tuple(Module1::NomeFigura, Module1::Dati, Module1::Formule,
                                      Module1::Risultati));
    // Nothing can be typed or chosen, and the window opens the next problem as usual.
    QVERIFY(!pupil.typeDato(0, QStringLiteral("8 cm")));
    QVERIFY(!pupil.clickFormula(6));
    QCOMPARE(pupil.hint(), QStringLiteral("Ciao"));
    pupil.open(good);
    QCOMPARE(pupil.hint(), QStringLiteral("Inserisci i dati"));
    QCOMPARE(pupil.state(), QStringLiteral("dati 0 slot - ris - off k0"));
}

void TestOpenForSolving::figure_data()
{
    QTest::addColumn<QString>("nomeFigura");
    QTest::addColumn<QString>("inProgramFolder"); // file from resources/beside put there, or ""
    QTest::addColumn<QString>("besideProblem");   // the same, beside the problem file
    QTest::addColumn<QString>("shown");           // picture expected in the box, or ""
    QTest::addColumn<QString>("notice");          // start of the notice, or "" for none

    QTest::newRow("nessuna figura") << ""
                                    << ""
                                    << ""
                                    << ""
                                    << "";
    QTest::newRow("nella cartella del programma") << "Rettangolo.gif"
                                                  << "Rettangolo.gif"
                                                  << ""
                                                  << "Rettangolo.gif"
                                                  << "";
    QTest::newRow("accanto al problema") << "Rettangolo.gif"
                                         << ""
                                         << "Rettangolo.gif"
                                         << "Rettangolo.gif"
                                         << "";
    QTest::newRow("in tutte e due, prima il programma") << "Rettangolo.gif"
                                                        << "Rettangolo.gif"
                                                        << "Rombo.gif"
                                                        << "Rettangolo.gif"
                                                        << "";
    QTest::newRow("mancante") << "Trapezio.gif"
                              << ""
                              << ""
                              << ""
                              << "La figura «Trapezio.gif» non è stata trovata";
    QTest::newRow("nome con una cartella") << "../Rettangolo.gif"
                                           << ""
                                           << ""
                                           << ""
                                           << "La figura «../Rettangolo.gif» non è stata trovata";
    QTest::newRow("file illeggibile") << "Rotto.gif"
                                      << "Aiuto.HLP"
                                      << ""
                                      << ""
                                      << "La figura «Rotto.gif» non si può mostrare";
}

void TestOpenForSolving::figure()
{
    QFETCH(QString, nomeFigura);
    QFETCH(QString, inProgramFolder);
    QFETCH(QString, besideProblem);
    QFETCH(QString, shown);
    QFETCH(QString, notice);

    const QString problemFolder = m_programFolder + "/problemi";
    QVERIFY(QDir().mkpath(problemFolder));
    if (!inProgramFolder.isEmpty())
        QVERIFY(QFile::copy(beside + inProgramFolder, m_programFolder + "/" + nomeFigura));
    if (!besideProblem.isEmpty())
        QVERIFY(QFile::copy(beside + besideProblem, problemFolder + "/" + nomeFigura));
    const QString path = TestProblems::write(problemFolder, "problema.znv", rettangolo(nomeFigura));

    Pupil pupil;
    pupil.open(path);

    if (shown.isEmpty())
        QVERIFY(!pupil.form().Picture1->hasPicture());
    else
        QVERIFY(shownFigure(pupil.form()) == imageOf(beside + shown));
    if (notice.isEmpty()) {
        QVERIFY(MessageBox::recorded().isEmpty());
    } else {
        QCOMPARE(MessageBox::recorded().size(), 1);
        QCOMPARE(MessageBox::recorded().first().icon, MessageBox::Icon::Information);
        QVERIFY2(MessageBox::recorded().first().text.startsWith(notice),
                 qPrintable(MessageBox::recorded().first().text));
    }
    QCOMPARE(Module1::NomeFigura, nomeFigura);

    // With or without its figure the problem is there to be solved.
    QCOMPARE(pupil.form().txtTesto->toPlainText(), rettangolo({}).testo);
    QCOMPARE(pupil.hint(), QStringLiteral("Inserisci i dati"));
    pupil.typeDato(0, QStringLiteral("8 cm"));
    pupil.typeDato(1, QStringLiteral("6 cm"));
    pupil.clickFormula(6);
    pupil.typeRisultato(0, QStringLiteral("48 cm²"));
    QCOMPARE(pupil.hint(), QStringLiteral("Bravo. Hai finito."));
}

void TestOpenForSolving::missingEmptySlotPicture()
{
    QVERIFY(QFile::remove(m_programFolder + "/Vuoto.gif"));
    EditorProblem p = quadrato();
    p.formule = {2, 0};
    p.risultati = {QStringLiteral("20 cm"), QStringLiteral("25 cm²")};
    const QString path = TestProblems::write(m_root.path(), "senzavuoto.znv", p);

    Pupil pupil;
    pupil.open(path);
    pupil.typeDato(0, QStringLiteral("5 cm"));
    QCOMPARE(pupil.hint(), QStringLiteral("Bravo. Scegli la formula"));
    QCOMPARE(pupil.state(), QStringLiteral("dati 0 slot 0=- ris - on k0"));
    pupil.clickFormula(2);
    pupil.typeRisultato(0, QStringLiteral("20 cm"));
    QCOMPARE(pupil.state(), QStringLiteral("dati 0 slot 0=2 1=- ris 01 on k1"));
    pupil.clickFormula(0);
    pupil.typeRisultato(1, QStringLiteral("25 cm²"));
    QCOMPARE(pupil.hint(), QStringLiteral("Bravo. Hai finito."));
    QCOMPARE(pupil.state(), QStringLiteral("dati 0 slot 0=2 1=0 ris 01 off k0"));
    QVERIFY(MessageBox::recorded().isEmpty());
}

QTEST_MAIN(TestOpenForSolving)
#include "tst_openforsolving.moc"
