// A problem named on the command line, or dropped on the work window, opens
// as "Apri" opens the file chosen in its dialog: the same screen and the same
// messages, through the real start window, work window and mode handlers.
#include "editorhandler.h"
#include "messagebox.h"
#include "scriptedfiledialog.h"
#include "solverhandler.h"
#include "startwindow.h"
#include "windowcontrols.h"
#include "workwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

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
    QTest::addColumn<QString>("text");   // the start of the problem text shown
    QTest::addColumn<QString>("notice"); // what the one message box says, in part

    const QString examples = QStringLiteral(ZENUVIO_SOURCE_DIR "/examples/");
    const QString rettangolo = "Un rettangolo ABCD ha la base AB lunga 12 cm";
    QTest::newRow("solving, an example")
        << WorkMode::Solving << examples + "Rettangolo.znv" << rettangolo << "";
    QTest::newRow("editor, an example")
        << WorkMode::Editor << examples + "Rettangolo.znv" << rettangolo << "";
    QTest::newRow("solving, missing file") << WorkMode::Solving << examples + "Nessuno.znv"
                                           << ""
                                           << "Nessuno.znv» non esiste";
}

void TestOpening::sameAsApri()
{
    QFETCH(WorkMode, mode);
    QFETCH(QString, file);
    QFETCH(QString, text);
    QFETCH(QString, notice);

    QStringList byApri;
    for (const char *way : {"Apri", "argument", "drop"}) {
        MessageBox::Recording boxes;
        ScriptedDialogs dialog;
        const ModeHandlers handlers{makeEditorHandler, makeSolverHandler};
        StartWindow start([&](WorkMode m) -> QWidget * { return WorkWindow::load(m, handlers); },
                          [](QWidget *window, const QString &path) {
                              static_cast<WorkWindow *>(window)->openFile(path);
                          });
        start.openProblem(mode, way == QLatin1String("argument") ? file : QString());
        QPointer<WorkWindow> w = qobject_cast<WorkWindow *>(start.workWindow());
        QVERIFY(w && w->isVisible() && w->mode() == mode && !start.isVisible());
        if (way == QLatin1String("Apri")) {
            dialog->answer(file);
            QTest::mouseClick(mode == WorkMode::Editor ? controlsOf(*w).editorOpenButton
                                                       : controlsOf(*w).solvingOpenButton,
                              Qt::LeftButton);
        } else if (way == QLatin1String("drop")) {
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
        QStringList seen{controlsOf(*w).problemText->toPlainText().left(text.size()),
                         controlsOf(*w).problemText->isEnabled() ? "text enabled" : "text disabled",
                         controlsOf(*w).editorLabel->text() + "|" +
                             controlsOf(*w).hintLabel->text(),
                         controlsOf(*w).figureBox->picture().isNull() ? "no figure" : "figure",
                         "title " + w->windowTitle()};
        for (const QLineEdit *box : controlsOf(*w).dataBoxes)
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

QTEST_MAIN(TestOpening)
#include "tst_opening.moc"
