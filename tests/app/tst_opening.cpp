// A problem named on the command line, or dropped on the work window, opens
// as "Apri" opens the file chosen in its dialog: the same screen and the same
// messages, through the real start window, work window and mode handlers.
#include "editorhandler.h"
#include "messagebox.h"
#include "scriptedfiledialog.h"
#include "solverhandler.h"
#include "startwindow.h"
#include "workwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

namespace {

enum class Way { Apri, Argument, Drop };

// The start window wired as the program wires it.
struct Program {
    ModeHandlers handlers{makeEditorHandler, makeSolverHandler};
    StartWindow start{
        [this](WorkMode mode) -> QWidget * { return WorkWindow::load(mode, handlers); },
        [](QWidget *window, const QString &path) {
            static_cast<WorkWindow *>(window)->openFile(path);
        }};
    WorkWindow *work() const { return qobject_cast<WorkWindow *>(start.workWindow()); }
};

void drop(QWidget *target, const QString &path)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &dropped);
    QVERIFY(dropped.isAccepted());
}

// What the user sees once the problem has been opened, or refused.
QStringList seen(const Program &program, const MessageBox::Recording &boxes)
{
    const WorkWindow *w = program.work();
    if (!w)
        return {"no work window"};
    const bool editor = w->mode() == WorkMode::Editor;
    QStringList s{program.start.isVisible() ? "start window shown" : "start window hidden",
                  editor ? "editor" : "solving",
                  w->txtTesto->toPlainText(),
                  w->txtTesto->isEnabled() ? "text enabled" : "text disabled",
                  (editor ? w->lblAvviso_Editor : w->lblAvviso_Risoluzione)->text(),
                  w->figureBox->picture().isNull() ? "no figure" : "figure",
                  "title " + w->windowTitle()};
    for (const QLineEdit *box : w->txtDati)
        if (box->isVisible())
            s << "dato: " + box->text();
    for (const MessageBox::Shown &box : boxes.shown())
        s << QStringLiteral("box %1 %2: %3").arg(int(box.icon)).arg(box.title, box.text);
    return s;
}

} // namespace

class TestOpening : public QObject {
    Q_OBJECT
private slots:
    void sameAsApri_data();
    void sameAsApri();
};

void TestOpening::sameAsApri_data()
{
    QTest::addColumn<WorkMode>("mode");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text");    // the start of the problem text shown
    QTest::addColumn<QString>("message"); // text the one message box contains

    const QString examples = QStringLiteral(ZENUVIO_SOURCE_DIR "/examples/");
    const QString rettangolo = "Un rettangolo ABCD ha la base AB lunga 12 cm";
    QTest::newRow("solving, an example")
        << WorkMode::Solving << examples + "Rettangolo.znv" << rettangolo << "";
    QTest::newRow("editor, an example")
        << WorkMode::Editor << examples + "Rettangolo.znv" << rettangolo << "";
    QTest::newRow("solving, missing file") << WorkMode::Solving << examples + "Nessuno.znv"
                                           << ""
                                           << "Nessuno.znv» non esiste";
    QTest::newRow("editor, missing file") << WorkMode::Editor << examples + "Nessuno.znv"
                                          << ""
                                          << "Nessuno.znv» non esiste";
    QTest::newRow("solving, a picture") << WorkMode::Solving << examples + "Rombo.gif"
                                        << ""
                                        << "Rombo.gif» non";
}

void TestOpening::sameAsApri()
{
    QFETCH(WorkMode, mode);
    QFETCH(QString, file);
    QFETCH(QString, text);
    QFETCH(QString, message);

    QStringList byApri;
    for (const Way way : {Way::Apri, Way::Argument, Way::Drop}) {
        MessageBox::Recording boxes;
        ScriptedDialogs dialog;
        Program program;
        program.start.openProblem(mode, way == Way::Argument ? file : QString());
        QPointer<WorkWindow> w = program.work();
        QVERIFY(w && w->isVisible() && w->mode() == mode);
        if (way == Way::Apri) {
            dialog->answer(file);
            QTest::mouseClick(mode == WorkMode::Editor ? w->cmdApri_Editor : w->cmdApri_Risoluzione,
                              Qt::LeftButton);
        } else if (way == Way::Drop) {
            drop(w, file);
            QCoreApplication::sendPostedEvents(); // the file opens once the drop has ended
        }
        QCOMPARE(dialog->pendingAnswers(), 0);

        const QStringList now = seen(program, boxes);
        if (way == Way::Apri)
            byApri = now;
        else
            QCOMPARE(now, byApri);
        QVERIFY2(now.at(2).startsWith(text), qPrintable(now.at(2)));
        QCOMPARE(boxes.shown().size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QVERIFY2(boxes.shown().first().text.contains(message),
                     qPrintable(boxes.shown().first().text));

        // Leaving the work window brings the start window.
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!w);
        QVERIFY(program.start.isVisible());
    }
}

QTEST_MAIN(TestOpening)
#include "tst_opening.moc"
