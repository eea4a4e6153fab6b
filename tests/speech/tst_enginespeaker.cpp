// The speaker on Qt's text-to-speech: a missing engine and one that never
// answers give one notice each and leave the caller free; a running engine
// gets ready with an Italian voice. Nothing is said aloud here.
#include "enginespeaker.h"

#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_WIN
// On Windows the speaker is on SAPI, and no speech server can be played.
struct SilentServer {
    explicit SilentServer(const QString &) {}
    bool listening = false;
};
#else
#include <QTextToSpeech>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace {

constexpr int Patience = 20000; // ms; far more than any engine here needs

#ifndef Q_OS_WIN

// A Unix socket that takes connections and never answers them: a speech
// server that hangs.
struct SilentServer {
    explicit SilentServer(const QString &path)
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof(address.sun_path));
        listening = bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0 &&
                    listen(fd, 4) == 0;
    }
    ~SilentServer() { close(fd); }
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    bool listening = false;
};
#endif

} // namespace

class TestEngineSpeaker : public QObject {
    Q_OBJECT

private slots:
    void engine_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<bool>("silentServer");
        QTest::addColumn<QString>("notice"); // none: ready with an Italian voice
        QTest::newRow("no such engine") << "nessuno" << false << EngineSpeaker::NoEngineNotice;
#ifdef Q_OS_WIN
        QTest::newRow("SAPI, where it has an Italian voice") << "sapi" << false << QString();
#else
        QTest::newRow("a server that never answers")
            << "speechd" << true << EngineSpeaker::NoAnswerNotice;
        QTest::newRow("speech-dispatcher, where it runs") << "speechd" << false << QString();
#endif
    }

    // Without a notice to expect, an engine that does not run here is no
    // fault of the program: the test is skipped, saying why.
    void engine()
    {
        QFETCH(QString, engine);
        QFETCH(bool, silentServer);
        QFETCH(QString, notice);
#ifndef Q_OS_WIN
        if (engine == "speechd" && !QTextToSpeech::availableEngines().contains(engine))
            QSKIP("Qt's speech-dispatcher plugin (qt6-speech-speechd-plugin) is not installed");
#endif
        QTemporaryDir folder;
        std::optional<SilentServer> server;
        if (silentServer) {
            const QString address = folder.filePath("speechd.sock");
            server.emplace(address);
            QVERIFY(server->listening);
            qputenv("SPEECHD_ADDRESS", "unix_socket:" + QFile::encodeName(address));
        }
        const auto restore = qScopeGuard([] { qunsetenv("SPEECHD_ADDRESS"); });
        EngineSpeaker::Options options;
        options.engine = engine;
        options.answerTimeoutMs = notice.isEmpty() ? Patience / 2 : 500;
        EngineSpeaker speaker(options);
        QSignalSpy notices(&speaker, &Speaker::unavailable);
        const auto given = [&notices] {
            return notices.isEmpty() ? QString() : notices.at(0).at(0).toString();
        };
        if (notice.isEmpty()) {
            speaker.start();
            QTRY_VERIFY_WITH_TIMEOUT(speaker.status() != EngineSpeaker::Status::Starting, Patience);
#ifdef Q_OS_WIN
            if (given() == EngineSpeaker::NoVoiceNotice)
                QSKIP("This Windows has no Italian SAPI voice.");
#endif
            QVERIFY2(given() != EngineSpeaker::NoVoiceNotice,
                     "no Italian voice (speech-dispatcher-espeak-ng installed?)");
            if (!given().isEmpty())
                QSKIP(qPrintable("the engine did not get ready: " + given()));
            QCOMPARE(speaker.status(), EngineSpeaker::Status::Ready);
            QVERIFY(!speaker.voiceName().isEmpty());
            return;
        }
        speaker.say("uno");
        speaker.say("due");
        speaker.stop();
        QTRY_COMPARE_WITH_TIMEOUT(notices.size(), 1, Patience);
        QCOMPARE(given(), notice);
        speaker.say("tre");
        QCoreApplication::processEvents();
        QCOMPARE(notices.size(), 1);
        QVERIFY(!speaker.isSpeaking());
        QCOMPARE(speaker.status(), EngineSpeaker::Status::Unavailable);
        // The speaker goes while the server still hangs: this must not wait for it.
    }
};

QTEST_GUILESS_MAIN(TestEngineSpeaker)
#include "tst_enginespeaker.moc"
