#include "speechsettings.h"

#include "settings.h"

SpeechSettings SpeechSettings::load(const Settings &settings)
{
    return {settings.value(Setting::ReadAloud), settings.value(Setting::SpeechRate),
            settings.value(Setting::SpeechVolume)};
}

void SpeechSettings::save(Settings &settings) const
{
    settings.setValue(Setting::ReadAloud, readAloud);
    settings.setValue(Setting::SpeechRate, rate);
    settings.setValue(Setting::SpeechVolume, volume);
}
