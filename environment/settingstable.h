#pragma once

#include <QString>
#include <QVariant>

#include <vector>

// Everything the program keeps between runs, in one table: each setting's
// key in the settings file, its type, its default and, for numbers, the range
// it may take. A value that is missing, of another type or out of range reads
// as the default, never as something half understood.
enum class SettingType { Bool, Int, Double, Text };

struct SettingRow {
    QString key;
    SettingType type;
    QVariant fallback;
    double low = 0; // for Int and Double: the smallest and largest value taken
    double high = 0;
};

// A setting as the code names it, typed by what it holds; its row in the
// table gives the rest.
template <typename T> struct SettingKey {
    const char *key;
};

namespace Setting {
// A pupil's machine: the start window offers no "Editor".
inline constexpr SettingKey<bool> HideEditor{"classroom/hideEditor"};
// Explanations beside "Errato" (off for a class test).
inline constexpr SettingKey<bool> Explanations{"solving/explanations"};
// Results judged by value: an equivalent form of the expected answer is right.
inline constexpr SettingKey<bool> EquivalentForms{"solving/equivalentForms"};
// Where the pupils' attempts are kept; empty: Documents/Zenuvio/Risultati.
inline constexpr SettingKey<QString> ResultsFolder{"results/folder"};
// The folder a file was last chosen in.
inline constexpr SettingKey<QString> LastFolder{"dialogs/lastFolder"};
// The size of the windows the user chose, in percent.
inline constexpr SettingKey<int> WindowSize{"window/size"};
inline constexpr SettingKey<bool> ReadAloud{"speech/readAloud"};
// -1 slowest .. 1 fastest; 0 is the voice's own pace.
inline constexpr SettingKey<double> SpeechRate{"speech/rate"};
// 0 silent .. 1 loudest.
inline constexpr SettingKey<double> SpeechVolume{"speech/volume"};
inline constexpr SettingKey<bool> EasyReading{"reading/easy"};
} // namespace Setting

namespace SettingsTable {

const std::vector<SettingRow> &rows();
// The row of a key; nullptr for a key the program does not know.
const SettingRow *find(const QString &key);
// The value a stored one reads as: itself when it suits the row, else the
// row's default. A text may be written with commas, which the settings file
// reads as a list: the list is joined again.
QVariant checked(const SettingRow &row, const QVariant &stored);

} // namespace SettingsTable
