#include "readaloud.h"

#include "italianreading.h"
#include "settings.h"
#include "speaker.h"

ReadAloud::ReadAloud(Speaker &speaker, Settings *settings, QObject *parent)
    : QObject(parent), m_speaker(speaker), m_settings(settings),
      m_on(settings && settings->value(Setting::ReadAloud))
{
    connect(&m_speaker, &Speaker::unavailable, this, &ReadAloud::notice);
}

void ReadAloud::setOn(bool on)
{
    setOnForThisRun(on);
    if (m_settings)
        m_settings->setValue(Setting::ReadAloud, on);
}

void ReadAloud::setOnForThisRun(bool on)
{
    m_on = on;
    if (!on && !m_readingProblem)
        m_speaker.stop();
}

void ReadAloud::readProblemText(const QString &text)
{
    if (m_readingProblem && m_speaker.isSpeaking()) {
        m_speaker.stop();
        m_readingProblem = false;
        return;
    }
    speak(text, true);
}

void ReadAloud::hintShown(const QString &hint, const QString &explanation)
{
    if (!m_on)
        return;
    QString text = hint.trimmed();
    if (!explanation.trimmed().isEmpty()) {
        if (!text.isEmpty() && !text.endsWith(QLatin1Char('.')) && !text.endsWith(QLatin1Char('!')))
            text += QLatin1Char('.');
        text += QLatin1Char(' ') + explanation.trimmed();
    }
    speak(text.trimmed(), false);
}

void ReadAloud::formulaFocused(const QString &words)
{
    if (m_on)
        speak(words, false);
}

void ReadAloud::typing()
{
    if (!m_readingProblem || !m_speaker.isSpeaking())
        return;
    m_speaker.stop();
    m_readingProblem = false;
}

void ReadAloud::speak(const QString &text, bool problemText)
{
    if (text.trimmed().isEmpty())
        return;
    m_readingProblem = problemText;
    m_speaker.say(ItalianReading::spoken(text));
}
