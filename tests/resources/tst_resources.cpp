// The pictures compiled into the program, and the files kept in the program's folder.
#include "zenuvioresources.h"

#include <QImageReader>
#include <QStringDecoder>
#include <QtTest>

class TestResources : public QObject {
    Q_OBJECT
private slots:
    void embeddedPictures()
    {
        QCOMPARE(QImage(ZenuvioResources::skyPicturePath()).size(), QSize(640, 480));
        QImageReader icon(ZenuvioResources::iconFilePath(), "ico");
        QList<QSize> sizes;
        for (int i = 0; i < icon.imageCount() && icon.jumpToImage(i); ++i)
            sizes << icon.read().size();
        QCOMPARE(sizes, (QList<QSize>{{32, 32}, {16, 16}}));
        sizes = ZenuvioResources::programIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(32, 32)) && sizes.contains(QSize(16, 16)));
    }

    // "Clicca.gif" fills the figure box, 237 x 101 pixels; "Vuoto.gif" stands
    // in a formula slot 113 x 37. The example figures lie beside their
    // problems, in examples/, and are checked with them.
    void besidePictureFitsItsBox_data()
    {
        QTest::addColumn<QSize>("box");
        QTest::newRow("Clicca") << QSize(237, 101);
        QTest::newRow("Vuoto") << QSize(113, 37);
    }
    void besidePictureFitsItsBox()
    {
        QFETCH(QSize, box);
        QImageReader reader(QCoreApplication::applicationDirPath() + '/' + QTest::currentDataTag() +
                            ".gif");
        QCOMPARE(reader.format(), QByteArray("gif"));
        const QImage picture = reader.read();
        QVERIFY2(!picture.isNull(), qPrintable(reader.fileName() + ": " + reader.errorString()));
        QCOMPARE(box.expandedTo(picture.size()), box); // the picture fits its box
    }

    void helpFileIsUtf8Html()
    {
        QFile file(QCoreApplication::applicationDirPath() + "/Aiuto.HLP");
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8(file.readAll());
        QVERIFY(!utf8.hasError() && text.contains("unità") && text.contains("</html>"));
        QVERIFY(text.startsWith("<!DOCTYPE HTML") && text.contains(R"(<meta charset="utf-8">)"));
    }
};

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
