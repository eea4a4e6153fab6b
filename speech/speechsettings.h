#pragma once

class Settings;

// What the user chose about speech, kept in the program's settings: whether
// verdicts, hints and formulas are read aloud, and the rate and volume of the
// voice (Setting::ReadAloud, SpeechRate, SpeechVolume).
struct SpeechSettings {
    bool readAloud = false;
    double rate = 0.0;   // -1 slowest .. 1 fastest; 0 is the voice's own pace
    double volume = 1.0; // 0 silent .. 1 loudest

    static SpeechSettings load(const Settings &settings);
    void save(Settings &settings) const;
};
