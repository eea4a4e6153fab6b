// A problem named on the command line, or dropped on the work window, opens
// as "Apri" opens the file chosen in its dialog: the same screen and the same
// messages, through the real start window, work window and mode handlers.
// The program started with a problem takes up the settings of earlier runs
// and the options of this one.
#include "editorhandler.h"
#include "messagebox.h"
#include "pupilacts.h"
#include "scriptedfiledialog.h"
#include "solverhandler.h"
#include "startwindow.h"
#include "temporarysettings.h"
#include "windowcontrols.h"
#include "workwindow.h"

#include <QApplication>
#include <QMimeData>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>

#include <cstdio>

// The program's own main(), built into this test under another name.
int programMain(int argc, char *argv[]);

namespace {
const QString Examples = QStringLiteral(ZENUVIO_SOURCE_DIR "/examples/");
// Set for the copy of this test that runs the program itself: its settings file.
const char *const SettingsVariable = "ZENUVIO_TEST_SETTINGS";

// In that copy: once the work window shows its problem, the pupil types a
// datum without its unit; the explanation shown and the line height of the
// text, in percent, are written out, and the program ends.
void reportWhenOpen()
{
    QTimer::singleShot(0, [] {
        WorkWindow *window = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *work = qobject_cast<WorkWindow *>(widget); work && work->isVisible())
                window = work;
        if (!window || controlsOf(*window).problemText->toPlainText().isEmpty())
            return reportWhenOpen();
        const WorkWindowControls c = controlsOf(*window);
        PupilActs::enter(c.dataBoxes[0], "40");
        const qreal height = c.problemText->document()->begin().blockFormat().lineHeight();
        std::printf("%s|%g\n", qPrintable(c.explanationLabel->text()), height);
        QApplication::exit(0);
    });
}
} // namespace

class TestOpening : public QObject {
    Q_OBJECT
private slots:
    void sameAsApri_data()
    {
        QTest::addColumn<WorkMode>("mode");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("text");   // the start of the problem text shown
        QTest::addColumn<QString>("notice"); // what the one message box says, in part
        const QString rettangolo = "Un rettangolo ABCD ha la base AB lunga 12 cm";
        QTest::newRow("solving, an example")
            << WorkMode::Solving << Examples + "Rettangolo.znv" << rettangolo << "";
        QTest::newRow("editor, an example")
            << WorkMode::Editor << Examples + "Rettangolo.znv" << rettangolo << "";
        QTest::newRow("solving, missing file") << WorkMode::Solving << Examples + "Nessuno.znv"
                                               << ""
                                               << "Nessuno.znv» non esiste";
    }

    void sameAsApri()
    {
        QFETCH(WorkMode, mode);
        QFETCH(QString, file);
        QFETCH(QString, text);
        QFETCH(QString, notice);
        QStringList byApri;
        for (const QString way : {"Apri", "argument", "drop"}) {
            MessageBox::Recording boxes;
            ScriptedDialogs dialog;
            const ModeHandlers handlers{makeEditorHandler, makeSolverHandler};
            StartWindow start(
                [&](WorkMode m) -> QWidget * { return WorkWindow::load(m, handlers); },
                [](QWidget *window, const QString &path) {
                    static_cast<WorkWindow *>(window)->openFile(path);
                });
            start.openProblem(mode, way == "argument" ? file : QString());
            QPointer<WorkWindow> w = qobject_cast<WorkWindow *>(start.workWindow());
            QVERIFY(w && w->isVisible() && w->mode() == mode && !start.isVisible());
            const WorkWindowControls c = controlsOf(*w);
            if (way == "Apri") {
                dialog->answer(file);
                QTest::mouseClick(mode == WorkMode::Editor ? c.editorOpenButton
                                                           : c.solvingOpenButton,
                                  Qt::LeftButton);
            } else if (way == "drop") {
                QMimeData data;
                data.setUrls({QUrl::fromLocalFile(file)});
                const QPoint at = w->rect().center();
                QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                QCoreApplication::sendEvent(w, &enter);
                QCoreApplication::sendEvent(w, &drop);
                QCoreApplication::sendPostedEvents(); // the file opens once the drop has ended
            }
            QCOMPARE(dialog->pendingAnswers(), 0);

            // What the user sees once the problem has been opened, or refused.
            QStringList seen{c.problemText->toPlainText().left(text.size()),
                             c.problemText->isEnabled() ? "text enabled" : "text disabled",
                             c.editorLabel->text() + "|" + c.hintLabel->text(),
                             c.figureBox->picture().isNull() ? "no figure" : "figure",
                             "title " + w->windowTitle()};
            for (const QLineEdit *box : c.dataBoxes)
                if (box->isVisible())
                    seen << "dato: " + box->text();
            for (const MessageBox::Shown &box : boxes.shown())
                seen << QStringLiteral("box %1 %2: %3").arg(int(box.icon)).arg(box.title, box.text);
            if (byApri.isEmpty())
                byApri = seen;
            QCOMPARE(seen, byApri);
            QCOMPARE(seen.first(), text);
            QCOMPARE(boxes.shown().size(), notice.isEmpty() ? 0 : 1);
            QVERIFY(notice.isEmpty() || boxes.shown().first().text.contains(notice));

            // Leaving the work window deletes it and brings the start window back.
            w->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!w && start.isVisible());
        }
    }

    // The program started on a problem, with the settings file of earlier runs:
    // explanations unless it is a class test or the settings switch them off,
    // easy reading when it was left on.
    void startsAsSetAndAsked_data()
    {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("seen"); // the explanation | the line height, 0 as usual
        const QString quadrato = Examples + "Quadrato.znv";
        QTest::newRow("explanations, easy reading left on")
            << "[reading]\neasy=true\n"
            << QStringList{quadrato} << "Il numero è giusto, ma manca l'unità di misura: «cm».|160";
        QTest::newRow("a class test") << "[reading]\neasy=false\n"
                                      << QStringList{"--senza-spiegazioni", quadrato} << "|0";
        QTest::newRow("explanations switched off") << "[solving]\nexplanations=false\n"
                                                   << QStringList{quadrato} << "|0";
    }

    void startsAsSetAndAsked()
    {
        QFETCH(QString, settings);
        QFETCH(QStringList, arguments);
        QFETCH(QString, seen);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(SettingsVariable, settings);
        program.setProcessEnvironment(environment);
        program.start(QCoreApplication::applicationFilePath(), arguments);
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()).trimmed(), seen);
    }
};

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet(SettingsVariable)) {
        const TemporarySettings settings(qgetenv(SettingsVariable));
        const MessageBox::Recording boxes; // nothing waits on an answer
        qAddPreRoutine(reportWhenOpen);
        return programMain(argc, argv);
    }
    QApplication app(argc, argv);
    TestOpening test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_opening.moc"
