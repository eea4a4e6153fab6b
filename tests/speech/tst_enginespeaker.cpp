// The speaker on Qt's text-to-speech: an engine that is missing, and one that
// never answers (as speech-dispatcher does on a machine with no sound device),
// each give one notice and leave the caller free; and, where the engine runs,
// it gets ready with an Italian voice. Nothing is ever said aloud here: on a
// machine with no sound device, speech-dispatcher would hang for good.
#include "enginespeaker.h"

#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTextToSpeech>
#include <QtTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr int Patience = 20000; // ms; far more than any engine here needs

// A Unix socket that takes connections and never answers them: a speech
// server that hangs.
class SilentServer {
public:
    explicit SilentServer(const QString &path)
    {
        m_fd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof(address.sun_path));
        if (bind(m_fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) != 0 ||
            listen(m_fd, 4) != 0) {
            close(m_fd);
            m_fd = -1;
        }
    }
    ~SilentServer()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    bool isListening() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

bool hasSpeechDispatcherPlugin()
{
    return QTextToSpeech::availableEngines().contains("speechd");
}

} // namespace

class TestEngineSpeaker : public QObject {
    Q_OBJECT

private slots:
    void unavailable_data();
    void unavailable();
    void realEngine();
};

void TestEngineSpeaker::unavailable_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<bool>("silentServer");
    QTest::addColumn<QString>("notice");

    QTest::newRow("no such engine") << "nessuno" << false << EngineSpeaker::NoEngineNotice;
    QTest::newRow("a server that never answers")
        << "speechd" << true << EngineSpeaker::NoAnswerNotice;
}

void TestEngineSpeaker::unavailable()
{
    QFETCH(QString, engine);
    QFETCH(bool, silentServer);
    QFETCH(QString, notice);

    QTemporaryDir folder;
    std::optional<SilentServer> server;
    if (silentServer) {
        if (!hasSpeechDispatcherPlugin())
            QSKIP("Qt's speech-dispatcher plugin (qt6-speech-speechd-plugin) is not installed");
        const QString path = folder.filePath("speechd.sock");
        server.emplace(path);
        QVERIFY(server->isListening());
        qputenv("SPEECHD_ADDRESS", "unix_socket:" + QFile::encodeName(path));
    }
    const auto restore = qScopeGuard([] { qunsetenv("SPEECHD_ADDRESS"); });
    {
        EngineSpeaker::Options options;
        options.engine = engine;
        options.answerTimeoutMs = 500;
        EngineSpeaker speaker(options);
        QSignalSpy notices(&speaker, &Speaker::unavailable);
        speaker.say("uno");
        speaker.say("due");
        speaker.stop();
        QTRY_COMPARE_WITH_TIMEOUT(notices.size(), 1, Patience);
        QCOMPARE(notices.at(0).at(0).toString(), notice);
        speaker.say("tre");
        QCoreApplication::processEvents();
        QCOMPARE(notices.size(), 1);
        QVERIFY(!speaker.isSpeaking());
        QCOMPARE(speaker.status(), EngineSpeaker::Status::Unavailable);
    } // the speaker goes while the server still hangs: this must not wait for it
}

// Where speech-dispatcher runs, Qt's text-to-speech gets ready with an
// Italian voice. An engine that is not installed, not running or not
// answering is no fault of the program: the test is skipped, saying why.
void TestEngineSpeaker::realEngine()
{
    if (!hasSpeechDispatcherPlugin())
        QSKIP("Qt's speech-dispatcher plugin (qt6-speech-speechd-plugin) is not installed");
    EngineSpeaker::Options options;
    options.answerTimeoutMs = Patience / 2;
    EngineSpeaker speaker(options);
    QSignalSpy notices(&speaker, &Speaker::unavailable);
    speaker.start();
    QTRY_VERIFY_WITH_TIMEOUT(speaker.status() != EngineSpeaker::Status::Starting, Patience);
    if (!notices.isEmpty()) {
        const QString notice = notices.at(0).at(0).toString();
        QVERIFY2(notice != EngineSpeaker::NoVoiceNotice,
                 "speech-dispatcher runs, but offers no Italian voice "
                 "(speech-dispatcher-espeak-ng installed?)");
        QSKIP(qPrintable("speech-dispatcher did not get ready: " + notice));
    }
    QCOMPARE(speaker.status(), EngineSpeaker::Status::Ready);
    QVERIFY(!speaker.voiceName().isEmpty());
    qInfo("Italian voice: %s", qPrintable(speaker.voiceName()));
}

QTEST_GUILESS_MAIN(TestEngineSpeaker)
#include "tst_enginespeaker.moc"
