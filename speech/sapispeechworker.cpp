#include "speechworker.h"

#include <QTimer>

#include <algorithm>

#include <windows.h>

#include <sapi.h>
#include <sphelper.h>

namespace {

// How often the worker asks SAPI whether the voice has come to its end.
constexpr int SpeakingPollMs = 100;

template <class Interface> void release(Interface *&object)
{
    if (object) {
        object->Release();
        object = nullptr;
    }
}

QString fromWide(const wchar_t *text)
{
    return QString::fromWCharArray(text);
}

// The languages of a voice, as SAPI keeps them: LCIDs in hexadecimal,
// separated by ';' ("410" is Italian, Italy).
QList<LCID> languagesOf(ISpObjectToken *token)
{
    QList<LCID> languages;
    ISpDataKey *attributes = nullptr;
    wchar_t *value = nullptr;
    if (SUCCEEDED(token->OpenKey(L"Attributes", &attributes)) &&
        SUCCEEDED(attributes->GetStringValue(L"Language", &value))) {
        for (const QString &part : fromWide(value).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            bool ok = false;
            const uint lcid = part.trimmed().toUInt(&ok, 16);
            if (ok)
                languages.append(LCID(lcid));
        }
    }
    CoTaskMemFree(value);
    release(attributes);
    return languages;
}

// The installed voice for the locale, else the first one of its language;
// nullptr when there is none.
ISpObjectToken *voiceFor(const QLocale &locale)
{
    const LCID wanted =
        LocaleNameToLCID(reinterpret_cast<const wchar_t *>(locale.bcp47Name().utf16()), 0);
    IEnumSpObjectTokens *tokens = nullptr;
    if (wanted == 0 || FAILED(SpEnumTokens(SPCAT_VOICES, nullptr, nullptr, &tokens)))
        return nullptr;
    ISpObjectToken *sameLanguage = nullptr;
    ISpObjectToken *token = nullptr;
    while (tokens->Next(1, &token, nullptr) == S_OK) {
        const QList<LCID> languages = languagesOf(token);
        if (languages.contains(wanted)) {
            release(sameLanguage);
            release(tokens);
            return token;
        }
        const bool same = std::any_of(languages.begin(), languages.end(), [wanted](LCID lcid) {
            return PRIMARYLANGID(LANGIDFROMLCID(lcid)) == PRIMARYLANGID(LANGIDFROMLCID(wanted));
        });
        if (same && !sameLanguage)
            sameLanguage = token;
        else
            token->Release();
        token = nullptr;
    }
    release(tokens);
    return sameLanguage;
}

// The worker on SAPI, Windows' own speech, through COM in the speaker's
// thread. SAPI speaks asynchronously in a thread of its own; this worker asks
// it now and then whether it has finished.
class SapiSpeechWorker : public SpeechWorker {
public:
    using SpeechWorker::SpeechWorker;

    ~SapiSpeechWorker() override
    {
        if (m_voice)
            m_voice->Speak(nullptr, SPF_ASYNC | SPF_PURGEBEFORESPEAK, nullptr);
        release(m_voice);
        if (m_comStarted)
            CoUninitialize();
    }

    void start() override
    {
        if (!*m_silenced)
            open();
        emit answered();
    }

    void say(const QString &text) override
    {
        if (!*m_silenced && m_voice) {
            const HRESULT result =
                m_voice->Speak(reinterpret_cast<const wchar_t *>(text.utf16()),
                               SPF_ASYNC | SPF_PURGEBEFORESPEAK | SPF_IS_NOT_XML, nullptr);
            if (FAILED(result)) {
                qWarning("SAPI: Speak failed (0x%08lx)", static_cast<unsigned long>(result));
                emit failed(EngineSpeaker::FailedNotice);
            } else {
                setSpeaking(true);
            }
        }
        emit answered();
    }

    void stop() override
    {
        if (m_voice)
            m_voice->Speak(nullptr, SPF_ASYNC | SPF_PURGEBEFORESPEAK, nullptr);
        setSpeaking(false);
        emit answered();
    }

private:
    void open()
    {
        m_comStarted = SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED));
        // SAPI is the only engine here; any other name asked for is not there.
        if (!m_options.engine.isEmpty() && m_options.engine != QLatin1String("sapi")) {
            emit failed(EngineSpeaker::NoEngineNotice);
            return;
        }
        ISpVoice *voice = nullptr;
        const HRESULT created = CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice,
                                                 reinterpret_cast<void **>(&voice));
        if (FAILED(created)) {
            qWarning("SAPI: no voice object (0x%08lx)", static_cast<unsigned long>(created));
            emit failed(EngineSpeaker::NoEngineNotice);
            return;
        }
        ISpObjectToken *token = voiceFor(m_options.locale);
        if (!token || FAILED(voice->SetVoice(token))) {
            release(token);
            release(voice);
            emit failed(EngineSpeaker::NoVoiceNotice);
            return;
        }
        wchar_t *description = nullptr;
        QString name;
        if (SUCCEEDED(SpGetDescription(token, &description)))
            name = fromWide(description);
        CoTaskMemFree(description);
        release(token);
        voice->SetRate(qBound(-10L, long(qRound(m_options.rate * 10)), 10L));
        voice->SetVolume(USHORT(qBound(0, qRound(m_options.volume * 100), 100)));
        m_voice = voice;
        m_poll = new QTimer(this);
        m_poll->setInterval(SpeakingPollMs);
        connect(m_poll, &QTimer::timeout, this, [this] {
            SPVOICESTATUS status{};
            if (FAILED(m_voice->GetStatus(&status, nullptr)) || status.dwRunningState == SPRS_DONE)
                setSpeaking(false);
        });
        emit ready(name.isEmpty() ? QStringLiteral("SAPI") : name);
    }

    void setSpeaking(bool speaking)
    {
        if (m_poll) {
            if (speaking)
                m_poll->start();
            else
                m_poll->stop();
        }
        if (speaking != m_speaking) {
            m_speaking = speaking;
            emit speakingChanged(speaking);
        }
    }

    bool m_comStarted = false;
    ISpVoice *m_voice = nullptr; // set once SAPI speaks the locale's language
    QTimer *m_poll = nullptr;
    bool m_speaking = false;
};

} // namespace

SpeechWorker *SpeechWorker::create(const EngineSpeaker::Options &options,
                                   std::shared_ptr<std::atomic_bool> silenced)
{
    return new SapiSpeechWorker(options, std::move(silenced));
}
