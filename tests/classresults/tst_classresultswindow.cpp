// The "Risultati della classe" window: a header click sorts, the dates filter,
// F5 reads a new record, Ctrl+E writes a CSV and Ctrl+P a PDF.
#include "attemptfile.h"
#include "classresultswindow.h"
#include "scriptedfiledialog.h"
#include "worksheet.h"

#include <QDateEdit>
#include <QHeaderView>
#include <QTableView>
#include <QtTest>

namespace {

void writeRecord(const QString &folder, const QString &pupil, bool finished, const QDate &day)
{
    const QDateTime started(day, QTime(10, 0));
    const AttemptRecord record{
        pupil, "Rombo.znv", QString(64, 'e'), started, started.addSecs(90), finished, 0, 2, {}};
    QVERIFY(AttemptFile::write(folder, record).error.isEmpty());
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestClassResultsWindow : public QObject {
    Q_OBJECT
private slots:
    void window()
    {
        QTemporaryDir dir;
        const QDate day(2026, 12, 7);
        writeRecord(dir.path(), "Zeno", true, day);
        writeRecord(dir.path(), "Anna", false, day.addDays(-1));
        ClassResultsWindow window(dir.path());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *view = window.findChild<QTableView *>("tblRisultati");
        auto cellText = [view](int row, int column) {
            return view->model()->index(row, column).data().toString();
        };
        QCOMPARE(cellText(0, 0), "Anna");

        // A click on the problem's header puts the finished attempt first.
        QHeaderView *header = view->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(2) + 5, 5));
        QCOMPARE(cellText(0, 0), "Zeno");

        window.findChild<QDateEdit *>("dtDal")->setDate(day); // Anna's day left out
        QCOMPARE(view->model()->rowCount(), 1);
        writeRecord(dir.path(), "Bice", true, day);
        QTest::keyClick(view, Qt::Key_F5);
        QCOMPARE(view->model()->rowCount(), 2);

        ScriptedDialogs files;
        files->answer(dir.filePath("classe"));
        QTest::keyClick(view, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(fileBytes(dir.filePath("classe.csv")).count("\r\n"), 3); // the header, 2 rows

        const Worksheet::ScriptedPrint print(dir.filePath("classe.pdf"));
        QTest::keyClick(view, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(print.showings(), 1);
        const QByteArray pdf = fileBytes(dir.filePath("classe.pdf"));
        QVERIFY(pdf.startsWith("%PDF") && pdf.trimmed().endsWith("%%EOF"));
    }
};

QTEST_MAIN(TestClassResultsWindow)
#include "tst_classresultswindow.moc"
