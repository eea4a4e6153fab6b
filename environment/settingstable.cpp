#include "settingstable.h"

#include <QStringList>

#include <cmath>

namespace SettingsTable {

const std::vector<SettingRow> &rows()
{
    // clang-format off
    static const std::vector<SettingRow> table{
        {Setting::HideEditor.key, SettingType::Bool, false},
        {Setting::Explanations.key, SettingType::Bool, true},
        {Setting::EquivalentForms.key, SettingType::Bool, false},
        {Setting::ResultsFolder.key, SettingType::Text, QString()},
        {Setting::LastFolder.key, SettingType::Text, QString()},
        {Setting::WindowSize.key, SettingType::Int, 100, 100, 300},
        {Setting::ReadAloud.key, SettingType::Bool, false},
        {Setting::SpeechRate.key, SettingType::Double, 0.0, -1, 1},
        {Setting::SpeechVolume.key, SettingType::Double, 1.0, 0, 1},
        {Setting::EasyReading.key, SettingType::Bool, false},
    };
    // clang-format on
    return table;
}

const SettingRow *find(const QString &key)
{
    for (const SettingRow &row : rows()) {
        if (row.key == key)
            return &row;
    }
    return nullptr;
}

QVariant checked(const SettingRow &row, const QVariant &stored)
{
    if (!stored.isValid())
        return row.fallback;
    if (row.type == SettingType::Text) {
        if (stored.typeId() == QMetaType::QStringList)
            return stored.toStringList().join(QLatin1Char(','));
        return stored.canConvert<QString>() ? QVariant(stored.toString()) : row.fallback;
    }
    const QString text = stored.toString().trimmed();
    if (row.type == SettingType::Bool) {
        if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || text == "1")
            return true;
        if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0 || text == "0")
            return false;
        return row.fallback;
    }
    bool number = false;
    const double value = text.toDouble(&number);
    if (!number || !std::isfinite(value) || value < row.low || value > row.high)
        return row.fallback;
    if (row.type == SettingType::Int) {
        const int whole = text.toInt(&number);
        return number ? QVariant(whole) : row.fallback;
    }
    return value;
}

} // namespace SettingsTable
