// The speaker on Qt's text-to-speech when its engine is missing: one notice,
// however much is asked of it, and the caller stays free. Nothing is said
// aloud here.
#include "enginespeaker.h"

#include <QtTest>

class TestEngineSpeaker : public QObject {
    Q_OBJECT

private slots:
    void missingEngine()
    {
        EngineSpeaker::Options options;
        options.engine = "nessuno";
        options.answerTimeoutMs = 500;
        EngineSpeaker speaker(options);
        QSignalSpy notices(&speaker, &Speaker::unavailable);
        speaker.say("uno");
        speaker.say("due");
        speaker.stop();
        QTRY_COMPARE_WITH_TIMEOUT(notices.size(), 1, 20000);
        QCOMPARE(notices.at(0).at(0).toString(), EngineSpeaker::NoEngineNotice);
        speaker.say("tre");
        QCoreApplication::processEvents();
        QCOMPARE(notices.size(), 1);
        QVERIFY(!speaker.isSpeaking());
        QCOMPARE(speaker.status(), EngineSpeaker::Status::Unavailable);
    }
};

QTEST_GUILESS_MAIN(TestEngineSpeaker)
#include "tst_enginespeaker.moc"
