#pragma once

// What the user chose about speech, kept in the program's settings
// ("Zenuvio"/"Zenuvio") under "speech/": whether verdicts, hints and formulas
// are read aloud ("speech/readAloud"), and the rate and volume of the voice
// ("speech/rate", "speech/volume"). A value missing or out of range reads as
// its default.
struct SpeechSettings {
    bool readAloud = false;
    double rate = 0.0;   // -1 slowest .. 1 fastest; 0 is the voice's own pace
    double volume = 1.0; // 0 silent .. 1 loudest

    static SpeechSettings load();
    void save() const;
};
