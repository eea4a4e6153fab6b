#include "speechsettings.h"

#include <QSettings>

namespace {

const char ReadAloudKey[] = "speech/readAloud";
const char RateKey[] = "speech/rate";
const char VolumeKey[] = "speech/volume";

QSettings settings()
{
    return QSettings(QSettings::defaultFormat(), QSettings::UserScope, QStringLiteral("Zenuvio"),
                     QStringLiteral("Zenuvio"));
}

double number(const QSettings &s, const char *key, double fallback, double low, double high)
{
    bool ok = false;
    const double value = s.value(key).toDouble(&ok);
    return ok && value >= low && value <= high ? value : fallback;
}

} // namespace

SpeechSettings SpeechSettings::load()
{
    const QSettings s = settings();
    SpeechSettings loaded;
    loaded.readAloud = s.value(ReadAloudKey, false).toBool();
    loaded.rate = number(s, RateKey, loaded.rate, -1.0, 1.0);
    loaded.volume = number(s, VolumeKey, loaded.volume, 0.0, 1.0);
    return loaded;
}

void SpeechSettings::save() const
{
    QSettings s = settings();
    s.setValue(ReadAloudKey, readAloud);
    s.setValue(RateKey, rate);
    s.setValue(VolumeKey, volume);
}
