#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// Everything the program says aloud goes through a Speaker. The program's
// own speaker is an EngineSpeaker, on Qt's text-to-speech; tests put a
// RecordingSpeaker in its place and look at what would have been said.
class Speaker : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Says the text, cutting short whatever was being said. Never waits for
    // the speech: it returns at once.
    virtual void say(const QString &text) = 0;
    // Stops the speech at once; nothing happens when all is quiet.
    virtual void stop() = 0;
    virtual bool isSpeaking() const = 0;

signals:
    // Speech cannot be heard; notice tells the user why, in Italian. Sent at
    // most once: from then on the speaker stays silent.
    void unavailable(const QString &notice);
};

// For tests: notes what would be said, in order. The speech of a text lasts
// until finish() is called, as if the voice had come to its end.
class RecordingSpeaker : public Speaker {
    Q_OBJECT

public:
    // How a stop that cut a speech short is noted among the texts said.
    static inline const QString Stopped = QStringLiteral("[stop]");

    using Speaker::Speaker;

    void say(const QString &text) override;
    void stop() override;
    bool isSpeaking() const override { return m_speaking; }

    // The texts said and the stops, in order.
    const QStringList &log() const { return m_log; }
    void clearLog() { m_log.clear(); }
    // The voice comes to the end of what it was saying.
    void finish() { m_speaking = false; }
    // From now on the speaker behaves as one whose engine is missing: the
    // next text gives the notice, and nothing is ever said again.
    void breakDown(const QString &notice);

private:
    QStringList m_log;
    bool m_speaking = false;
    bool m_broken = false;
    bool m_noticeGiven = false;
    QString m_notice;
};
