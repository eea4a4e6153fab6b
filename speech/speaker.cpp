#include "speaker.h"

void RecordingSpeaker::say(const QString &text)
{
    if (m_broken) {
        if (!m_noticeGiven) {
            m_noticeGiven = true;
            emit unavailable(m_notice);
        }
        return;
    }
    m_log << text;
    m_speaking = true;
}

void RecordingSpeaker::stop()
{
    if (!m_speaking)
        return;
    m_log << Stopped;
    m_speaking = false;
}

void RecordingSpeaker::breakDown(const QString &notice)
{
    m_broken = true;
    m_speaking = false;
    m_notice = notice;
}
