#include "speechworker.h"

#include <QTextToSpeech>
#include <QVoice>

#include <algorithm>

namespace {

// The worker on Qt's text-to-speech, with speech-dispatcher where it is there.
class QtSpeechWorker : public SpeechWorker {
public:
    using SpeechWorker::SpeechWorker;

    void start() override
    {
        if (!*m_silenced)
            open();
        emit answered();
    }

    void say(const QString &text) override
    {
        if (!*m_silenced && m_speech)
            m_speech->say(text);
        emit answered();
    }

    void stop() override
    {
        if (m_speech)
            m_speech->stop();
        emit answered();
    }

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

    QTextToSpeech *m_speech = nullptr; // set once the engine speaks Italian
};

} // namespace

SpeechWorker *SpeechWorker::create(const EngineSpeaker::Options &options,
                                   std::shared_ptr<std::atomic_bool> silenced)
{
    return new QtSpeechWorker(options, std::move(silenced));
}
