// The windows at one size of the classroom choice (ZENUVIO_TEST_SIZE, in
// percent), set up as the program sets itself up, on a large screen: every
// window grows by the size and stays wholly on screen, and the formula
// pictures are drawn for the new size rather than stretched.
#include "aboutwindow.h"
#include "accessibility.h"
#include "fonts.h"
#include "startwindow.h"
#include "windowcontrols.h"
#include "windowscale.h"
#include "workwindow.h"

#include <QScreen>
#include <QWindow>
#include <QtTest>

static int testSize()
{
    return qEnvironmentVariableIntValue("ZENUVIO_TEST_SIZE");
}

class TestSizes : public QObject {
    Q_OBJECT

private slots:
    void windowsGrowAndStayOnScreen_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *window : {"start", "about", "editor", "solving"})
            QTest::newRow(window) << QString(window);
    }
    void windowsGrowAndStayOnScreen()
    {
        QFETCH(QString, window);
        const qreal ratio = testSize() / 100.0;
        QVERIFY(ratio > 0);
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), ratio);
        std::unique_ptr<QWidget> shown;
        if (window == "start")
            shown = std::make_unique<StartWindow>(nullptr);
        else if (window == "about")
            shown = std::make_unique<AboutWindow>();
        else
            shown.reset(
                WorkWindow::load(window == "editor" ? WorkMode::Editor : WorkMode::Solving, {}));
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
        QCOMPARE(shown->windowHandle()->devicePixelRatio(), ratio);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(screen.contains(shown->frameGeometry()), qPrintable(window));
        if (auto *work = qobject_cast<WorkWindow *>(shown.get())) {
            const QPixmap formula = formulaPictureOf(*work, 0)->picture();
            QCOMPARE(formula.devicePixelRatio(), ratio);
            QVERIFY(formula.width() >= qRound(30 * ratio)); // drawn with all its pixels
        }
    }
};

int main(int argc, char **argv)
{
    WindowScale::prepare(argc, argv, testSize());
    QApplication app(argc, argv);
    Accessibility::install();
    Fonts::installSubstitutions();
    TestSizes test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sizes.moc"
