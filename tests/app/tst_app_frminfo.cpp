#include "fakescreen.h"
#include "fontsubstitutions.h"
#include "form3.h"
#include "frminfo.h"
#include "messagebox.h"
#include "textbox.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>

namespace {
const FakeScreen Screen1024x768(15360.0f, 11520.0f);

const QString AboutText = QStringLiteral("Premi il tasto F1 se vuoi visualizzare la guida\r\n"
                                         "-----------------------------------------------\r\n"
                                         "Buon lavoro da:\r\n"
                                         "Ventalbo\r\n"
                                         "http://www.example.org/ventalbo\r\n"
                                         "e-mail: ventalbo@example.org\r\n");

TextBox *text1(QWidget *about)
{
    return about->findChild<TextBox *>(QStringLiteral("Text1"));
}

int aboutWindowCount()
{
    int count = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        count += qobject_cast<frmInfo *>(window) && window->isVisible() ? 1 : 0;
    return count;
}
} // namespace

class TestFrmInfo : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void textAfterLoad();
    void reopenedAfterClosing_data();
    void reopenedAfterClosing();
    void infoWhileOpen();

private:
    void openStartWindow(Form3 &form);
};

void TestFrmInfo::initTestCase()
{
    installFontSubstitutions();
    MessageBox::setRecording(true);
    ScreenMetrics::setOverride(&Screen1024x768);
}

void TestFrmInfo::cleanup()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
    QTRY_COMPARE(aboutWindowCount(), 0);
}

void TestFrmInfo::openStartWindow(Form3 &form)
{
    QVERIFY(form.Form_Load());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
}

void TestFrmInfo::textAfterLoad()
{
    frmInfo about;
    QCOMPARE(about.windowTitle(), QStringLiteral("Informazioni"));
    QCOMPARE(about.size(), QSize(433, 240));
    TextBox *text = text1(&about);
    QCOMPARE(text->text(), QStringLiteral("Text1"));
    about.Form_Load();

    QCOMPARE(text->text(), AboutText);
    QCOMPARE(text->palette().color(QPalette::Text), QColor(0, 0, 192));
    // The last line end leaves an empty seventh line in the box.
    QCOMPARE(text->document()->blockCount(), 7);
    QVERIFY(text->document()->lastBlock().text().isEmpty());
}

void TestFrmInfo::reopenedAfterClosing_data()
{
    QTest::addColumn<bool>("throughOK");

    QTest::newRow("closed with OK") << true;
    QTest::newRow("closed through the frame") << false;
}

void TestFrmInfo::reopenedAfterClosing()
{
    QFETCH(bool, throughOK);

    Form3 form(nullptr);
    openStartWindow(form);
    auto *info = form.findChild<QPushButton *>(QStringLiteral("cmdInfo"));
    QTest::mouseClick(info, Qt::LeftButton);
    QPointer<frmInfo> first = form.aboutWindow();
    QVERIFY(first && first->isVisible());

    if (throughOK)
        QTest::mouseClick(first->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    else
        first->close();
    QVERIFY(!first || !first->isVisible());
    QVERIFY(form.isVisible());

    // Pressed again at once, before the closed window has gone.
    QTest::mouseClick(info, Qt::LeftButton);
    QPointer<frmInfo> second = form.aboutWindow();
    QVERIFY(second && second->isVisible());
    QCOMPARE(text1(second)->text(), AboutText);
    QTRY_VERIFY(!first);
    QCOMPARE(aboutWindowCount(), 1);
}

void TestFrmInfo::infoWhileOpen()
{
    Form3 form(nullptr);
    openStartWindow(form);
    auto *info = form.findChild<QPushButton *>(QStringLiteral("cmdInfo"));
    QTest::mouseClick(info, Qt::LeftButton);
    QPointer<frmInfo> about = form.aboutWindow();
    QVERIFY(about);
    text1(about)->setText(QStringLiteral("left as it was"));

    QTest::mouseClick(info, Qt::LeftButton);
    QCOMPARE(form.aboutWindow(), about.data());
    QCOMPARE(aboutWindowCount(), 1);
    QCOMPARE(text1(about)->text(), QStringLiteral("left as it was"));
    QVERIFY(form.isVisible());
}

QTEST_MAIN(TestFrmInfo)
#include "tst_app_frminfo.moc"
