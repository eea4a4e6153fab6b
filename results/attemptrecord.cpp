#include "attemptrecord.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <cmath>

namespace {

const QString FormatName = QStringLiteral("zenuvio-attempt");

const std::array<QString, 3> KindNames = {QStringLiteral("datum"), QStringLiteral("formula"),
                                          QStringLiteral("result")};

const std::array<QString, 8> SlipNames = {
    QString(),
    QStringLiteral("unit"),
    QStringLiteral("decimal"),
    QStringLiteral("zeros"),
    QStringLiteral("blanks"),
    QStringLiteral("tab"),
    QStringLiteral("dimension"),
    QStringLiteral("number"),
};

// Local time with its offset written out, so that a record read on another
// PC, or after the clocks changed, still names the same moment.
QString timeText(const QDateTime &time)
{
    return time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODateWithMs);
}

// Reads the fields one by one; the first one missing or of the wrong type
// makes the whole record unreadable.
class FieldReader {
public:
    explicit FieldReader(const QJsonObject &object) : m_object(object) {}
    bool ok() const { return m_ok; }

    QString text(const char *key)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        m_ok = m_ok && value.isString();
        return value.toString();
    }
    bool flag(const char *key)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        m_ok = m_ok && value.isBool();
        return value.toBool();
    }
    // A whole number from low to high; 2.5 or "3" is not one.
    int number(const char *key, int low, int high)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        const double number = value.toDouble(-1);
        m_ok = m_ok && value.isDouble() && number >= low && number <= high &&
               std::floor(number) == number;
        return m_ok ? int(number) : 0;
    }
    QDateTime time(const char *key)
    {
        const QDateTime time = QDateTime::fromString(text(key), Qt::ISODateWithMs);
        m_ok = m_ok && time.isValid();
        return time;
    }
    template <std::size_t N> int oneOf(const char *key, const std::array<QString, N> &names)
    {
        const QString name = text(key);
        for (std::size_t i = 0; i < N; ++i) {
            if (names[i] == name)
                return int(i);
        }
        m_ok = false;
        return 0;
    }

private:
    const QJsonObject &m_object;
    bool m_ok = true;
};

bool isSha256(const QString &text)
{
    if (text.size() != 64)
        return false;
    for (const QChar c : text) {
        if (!(c.isDigit() && c.unicode() < 128) &&
            !(c >= QLatin1Char('a') && c <= QLatin1Char('f')))
            return false;
    }
    return true;
}

} // namespace

bool AttemptAct::operator==(const AttemptAct &other) const
{
    return at == other.at && kind == other.kind && index == other.index && entry == other.entry &&
           verdict == other.verdict && correct == other.correct && slip == other.slip;
}

bool AttemptRecord::operator==(const AttemptRecord &other) const
{
    return pupil == other.pupil && problem == other.problem &&
           problemSha256 == other.problemSha256 && started == other.started &&
           ended == other.ended && finished == other.finished && data == other.data &&
           steps == other.steps && acts == other.acts;
}

namespace AttemptJson {

QString reasonText(SkipReason reason)
{
    switch (reason) {
    case SkipReason::NotOurs:
        return QStringLiteral("non è un risultato di Zenuvio");
    case SkipReason::Damaged:
        return QStringLiteral("il file è rovinato o incompleto");
    case SkipReason::FutureVersion:
        return QStringLiteral("è stato scritto da una versione più recente di Zenuvio");
    case SkipReason::MissingFields:
        return QStringLiteral("mancano dei dati o sono stati cambiati a mano");
    }
    return {};
}

QString slipName(Slip slip)
{
    return SlipNames[std::size_t(slip)];
}

std::optional<Slip> slipFromName(const QString &name)
{
    for (std::size_t i = 0; i < SlipNames.size(); ++i) {
        if (SlipNames[i] == name)
            return Slip(i);
    }
    return std::nullopt;
}

QByteArray toJson(const AttemptRecord &record)
{
    QJsonArray acts;
    for (const AttemptAct &act : record.acts) {
        acts.append(QJsonObject{
            {"at", timeText(act.at)},
            {"kind", KindNames[std::size_t(act.kind)]},
            {"index", act.index},
            {"entry", act.entry},
            {"verdict", act.verdict},
            {"correct", act.correct},
            {"slip", slipName(act.slip)},
        });
    }
    const QJsonObject object{
        {"format", FormatName},
        {"version", Version},
        {"pupil", record.pupil},
        {"problem", record.problem},
        {"problemSha256", record.problemSha256},
        {"started", timeText(record.started)},
        {"ended", timeText(record.ended)},
        {"finished", record.finished},
        {"data", record.data},
        {"steps", record.steps},
        {"acts", acts},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

ReadRecord fromJson(const QByteArray &bytes)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return {std::nullopt, SkipReason::Damaged};
    const QJsonObject object = document.object();
    if (!document.isObject() || object.value(QLatin1String("format")).toString() != FormatName)
        return {std::nullopt, SkipReason::NotOurs};

    const QJsonValue version = object.value(QLatin1String("version"));
    if (version.isDouble() && version.toDouble() > Version)
        return {std::nullopt, SkipReason::FutureVersion};
    FieldReader fields(object);
    fields.number("version", Version, Version);

    AttemptRecord record;
    record.pupil = fields.text("pupil");
    record.problem = fields.text("problem");
    record.problemSha256 = fields.text("problemSha256");
    record.started = fields.time("started");
    record.ended = fields.time("ended");
    record.finished = fields.flag("finished");
    record.data = fields.number("data", 0, SlotCount);
    record.steps = fields.number("steps", 0, SlotCount);
    const QJsonValue acts = object.value(QLatin1String("acts"));
    if (!fields.ok() || !isSha256(record.problemSha256) || !acts.isArray())
        return {std::nullopt, SkipReason::MissingFields};

    const QJsonArray list = acts.toArray();
    record.acts.reserve(list.size());
    for (const QJsonValue &value : list) {
        if (!value.isObject())
            return {std::nullopt, SkipReason::MissingFields};
        const QJsonObject actObject = value.toObject();
        FieldReader actFields(actObject);
        AttemptAct act;
        act.at = actFields.time("at");
        act.kind = AttemptAct::Kind(actFields.oneOf("kind", KindNames));
        act.index = actFields.number("index", 0, SlotCount - 1);
        act.entry = actFields.text("entry");
        act.verdict = actFields.text("verdict");
        act.correct = actFields.flag("correct");
        act.slip = Slip(actFields.oneOf("slip", SlipNames));
        if (!actFields.ok())
            return {std::nullopt, SkipReason::MissingFields};
        record.acts.append(act);
    }
    return {std::move(record), SkipReason::Damaged};
}

} // namespace AttemptJson
