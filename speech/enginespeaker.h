#pragma once

#include "speaker.h"

#include <QLocale>
#include <QTimer>

#include <atomic>
#include <memory>

class QThread;
class SpeechWorker;

// The program's voice: Qt's text-to-speech, with speech-dispatcher on Linux.
//
// The engine is started at the first text to say (or by start()), with an
// Italian voice: the one of the locale asked for (it_IT), else the first one
// of the same language. It lives in a thread of its own, because its calls
// wait on the speech server, and a server that hangs (it does, with no sound
// device) would otherwise freeze the windows. Every call is passed on to that
// thread and this object returns at once.
//
// When there is no engine, no Italian voice, an engine that fails, or one
// that gives no answer for answerTimeoutMs, the user is told once (through
// unavailable()) and the speaker stays silent for good.
class EngineSpeaker : public Speaker {
    Q_OBJECT

public:
    struct Options {
        QString engine; // Qt's name for it; empty: "speechd" if there, else Qt's default
        QLocale locale = QLocale(QLocale::Italian, QLocale::Italy);
        double rate = 0.0;   // -1 .. 1, as in SpeechSettings
        double volume = 1.0; // 0 .. 1
        int answerTimeoutMs = 10000;
    };
    enum class Status { NotStarted, Starting, Ready, Unavailable };

    explicit EngineSpeaker(const Options &options, QObject *parent = nullptr);
    ~EngineSpeaker() override;

    void say(const QString &text) override;
    void stop() override;
    bool isSpeaking() const override { return m_speaking; }

    // Starts the engine now rather than at the first text.
    void start();
    Status status() const { return m_status; }
    // The voice chosen, once Ready.
    QString voiceName() const { return m_voiceName; }

    // What the user is told.
    static const QString NoEngineNotice;
    static const QString NoVoiceNotice;
    static const QString FailedNotice;
    static const QString NoAnswerNotice;

signals:
    void statusChanged(EngineSpeaker::Status status);

private:
    template <typename Call> void post(Call call);
    void answered();
    void giveUp(const QString &notice);
    void setStatus(Status status);

    Options m_options;
    Status m_status = Status::NotStarted;
    QString m_voiceName;
    bool m_speaking = false;
    QThread *m_thread = nullptr;
    SpeechWorker *m_worker = nullptr;
    // Set when the speaker gives up, so that calls still queued in the thread
    // are dropped there.
    std::shared_ptr<std::atomic_bool> m_silenced = std::make_shared<std::atomic_bool>(false);
    int m_pending = 0; // calls passed to the thread and not yet answered
    QTimer m_watchdog;
};
