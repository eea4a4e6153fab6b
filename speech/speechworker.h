#pragma once

#include "enginespeaker.h"

#include <QObject>

#include <atomic>
#include <memory>

// Lives in the speaker's thread and owns the speech engine there: Qt's
// text-to-speech on Linux, SAPI on Windows. Every call ends with answered(),
// which tells the speaker that the engine is alive.
class SpeechWorker : public QObject {
    Q_OBJECT

public:
    // The worker of this system's engine.
    static SpeechWorker *create(const EngineSpeaker::Options &options,
                                std::shared_ptr<std::atomic_bool> silenced);

    virtual void start() = 0;
    virtual void say(const QString &text) = 0;
    virtual void stop() = 0;

signals:
    void ready(const QString &voiceName);
    void failed(const QString &notice);
    void speakingChanged(bool speaking);
    void answered();

protected:
    SpeechWorker(const EngineSpeaker::Options &options, std::shared_ptr<std::atomic_bool> silenced)
        : m_options(options), m_silenced(std::move(silenced))
    {
    }

    const EngineSpeaker::Options m_options;
    const std::shared_ptr<std::atomic_bool> m_silenced;
};
