#include "enginespeaker.h"

#include "speechworker.h"

#include <QDeadlineTimer>
#include <QThread>

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
    m_worker = SpeechWorker::create(m_options, m_silenced);
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
