#include "enginespeaker.h"

#include <QDeadlineTimer>
#include <QTextToSpeech>
#include <QThread>
#include <QVoice>

#include <algorithm>

const QString EngineSpeaker::NoEngineNotice =
    QStringLiteral("La sintesi vocale non funziona su questo computer: per questa volta Zenuvio "
                   "continua senza voce.");
const QString EngineSpeaker::NoVoiceNotice =
    QStringLiteral("Su questo computer manca una voce italiana: per questa volta Zenuvio continua "
                   "senza voce.");
const QString EngineSpeaker::FailedNotice =
    QStringLiteral("La sintesi vocale si è interrotta per un errore: per questa volta Zenuvio "
                   "continua senza voce.");
const QString EngineSpeaker::NoAnswerNotice =
    QStringLiteral("La sintesi vocale non risponde: per questa volta Zenuvio continua senza "
                   "voce.");

namespace {

// How long closing the program waits for the engine to let go of the sound.
constexpr int ShutdownWaitMs = 2000;

} // namespace

// Lives in the speaker's thread and owns the QTextToSpeech there. Every call
// ends with answered(), which tells the speaker that the engine is alive.
class SpeechWorker : public QObject {
    Q_OBJECT

public:
    SpeechWorker(const EngineSpeaker::Options &options, std::shared_ptr<std::atomic_bool> silenced)
        : m_options(options), m_silenced(std::move(silenced))
    {
    }

    void start()
    {
        if (!*m_silenced)
            open();
        emit answered();
    }

    void say(const QString &text)
    {
        if (!*m_silenced && m_speech)
            m_speech->say(text);
        emit answered();
    }

    void stop()
    {
        if (m_speech)
            m_speech->stop();
        emit answered();
    }

signals:
    void ready(const QString &voiceName);
    void failed(const QString &notice);
    void speakingChanged(bool speaking);
    void answered();

private:
    void open()
    {
        QString engine = m_options.engine;
        if (engine.isEmpty() &&
            QTextToSpeech::availableEngines().contains(QStringLiteral("speechd")))
            engine = QStringLiteral("speechd");
        auto *speech = new QTextToSpeech(engine, this);
        const QList<QLocale> locales = speech->availableLocales();
        if (locales.isEmpty() && speech->state() == QTextToSpeech::Error) {
            qWarning("Text-to-speech engine \"%s\": %s", qPrintable(engine),
                     qPrintable(speech->errorString()));
            emit failed(EngineSpeaker::NoEngineNotice);
            return;
        }
        const QLocale wanted = m_options.locale;
        QLocale chosen = wanted;
        if (!locales.contains(wanted)) {
            const auto same = std::find_if(locales.begin(), locales.end(), [&](const QLocale &l) {
                return l.language() == wanted.language();
            });
            if (same == locales.end()) {
                emit failed(EngineSpeaker::NoVoiceNotice);
                return;
            }
            chosen = *same;
        }
        speech->setLocale(chosen);
        const QList<QVoice> voices = speech->availableVoices();
        if (speech->locale().language() != wanted.language() || voices.isEmpty()) {
            emit failed(EngineSpeaker::NoVoiceNotice);
            return;
        }
        speech->setVoice(voices.first());
        speech->setRate(m_options.rate);
        speech->setVolume(m_options.volume);
        connect(speech, &QTextToSpeech::stateChanged, this,
                [this, speech](QTextToSpeech::State state) {
                    if (state == QTextToSpeech::Error) {
                        qWarning("Text-to-speech: %s", qPrintable(speech->errorString()));
                        emit failed(EngineSpeaker::FailedNotice);
                    } else {
                        emit speakingChanged(state == QTextToSpeech::Speaking);
                    }
                });
        m_speech = speech;
        emit ready(speech->voice().name());
    }

    const EngineSpeaker::Options m_options;
    const std::shared_ptr<std::atomic_bool> m_silenced;
    QTextToSpeech *m_speech = nullptr; // set once the engine speaks Italian
};

EngineSpeaker::EngineSpeaker(const Options &options, QObject *parent)
    : Speaker(parent), m_options(options)
{
    m_watchdog.setSingleShot(true);
    connect(&m_watchdog, &QTimer::timeout, this, [this] { giveUp(NoAnswerNotice); });
}

EngineSpeaker::~EngineSpeaker()
{
    if (!m_thread)
        return;
    *m_silenced = true;
    m_thread->quit(); // the worker, and the engine with it, are deleted in the thread
    if (m_pending == 0 && m_thread->wait(QDeadlineTimer(ShutdownWaitMs))) {
        delete m_thread;
        return;
    }
    // The engine hangs: its thread is left to end by itself, or with the program.
    connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
}

void EngineSpeaker::start()
{
    if (m_status != Status::NotStarted)
        return;
    setStatus(Status::Starting);
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("speech"));
    m_worker = new SpeechWorker(m_options, m_silenced);
    m_worker->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_worker, &SpeechWorker::answered, this, &EngineSpeaker::answered);
    connect(m_worker, &SpeechWorker::failed, this, &EngineSpeaker::giveUp);
    connect(m_worker, &SpeechWorker::ready, this, [this](const QString &voiceName) {
        if (m_status != Status::Starting)
            return;
        m_voiceName = voiceName;
        setStatus(Status::Ready);
    });
    connect(m_worker, &SpeechWorker::speakingChanged, this, [this](bool speaking) {
        if (m_status == Status::Ready)
            m_speaking = speaking;
    });
    m_thread->start();
    post([](SpeechWorker &worker) { worker.start(); });
}

void EngineSpeaker::say(const QString &text)
{
    if (m_status == Status::Unavailable || text.trimmed().isEmpty())
        return;
    start();
    m_speaking = true;
    post([text](SpeechWorker &worker) { worker.say(text); });
}

void EngineSpeaker::stop()
{
    if (m_status == Status::NotStarted || m_status == Status::Unavailable)
        return;
    m_speaking = false;
    post([](SpeechWorker &worker) { worker.stop(); });
}

template <typename Call> void EngineSpeaker::post(Call call)
{
    if (m_pending++ == 0)
        m_watchdog.start(m_options.answerTimeoutMs);
    SpeechWorker *worker = m_worker;
    QMetaObject::invokeMethod(
        worker, [worker, call] { call(*worker); }, Qt::QueuedConnection);
}

void EngineSpeaker::answered()
{
    if (--m_pending == 0)
        m_watchdog.stop();
    else if (m_status != Status::Unavailable)
        m_watchdog.start(m_options.answerTimeoutMs); // alive: a fresh delay for the next call
}

void EngineSpeaker::giveUp(const QString &notice)
{
    if (m_status == Status::Unavailable)
        return;
    *m_silenced = true;
    m_speaking = false;
    m_watchdog.stop();
    setStatus(Status::Unavailable);
    emit unavailable(notice);
}

void EngineSpeaker::setStatus(Status status)
{
    m_status = status;
    emit statusChanged(status);
}

#include "enginespeaker.moc"
