#pragma once

#include <QObject>
#include <QString>

class Settings;
class Speaker;

// What the windows call to have things read aloud, with no window of its own.
//
// The problem text is read on demand (a key, in both modes): a second press
// while it is being read, or any typing, stops it. With "read aloud" switched
// on, each verdict, hint and explanation is said as it is shown, and a
// formula picture is said in words as it takes the focus; switched off, they
// are not. Whatever holds numbers and units is said through ItalianReading
// ("56,25 cm²": "cinquantasei virgola venticinque centimetri quadrati").
// Something new to say cuts short what was being said. The switch starts as
// the settings keep it (Setting::ReadAloud, off at first).
class ReadAloud : public QObject {
    Q_OBJECT

public:
    // The speaker and the settings are not owned; they must outlive this
    // object. Without settings the switch starts off and is not kept.
    explicit ReadAloud(Speaker &speaker, Settings *settings = nullptr, QObject *parent = nullptr);

    bool isOn() const { return m_on; }
    // Switches read-aloud on or off and keeps the choice in the settings.
    void setOn(bool on);
    // Switches it for this run only (a command-line option).
    void setOnForThisRun(bool on);

    // Reads the problem text, or stops reading it when it is being read.
    void readProblemText(const QString &text);
    // A verdict or hint shown, with the explanation shown beside it, if any.
    void hintShown(const QString &hint, const QString &explanation = QString());
    // The words of the formula picture that took the focus.
    void formulaFocused(const QString &words);
    // The user typed something: the reading of the problem text stops.
    void typing();

signals:
    // Speech cannot be heard; shown to the user once, in Italian.
    void notice(const QString &text);

private:
    void speak(const QString &text, bool problemText);

    Speaker &m_speaker;
    Settings *m_settings;
    bool m_on = false;
    bool m_readingProblem = false;
};
