#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// One pupil working one problem, from the moment it was opened to the moment
// it was finished or left: what the pupil side writes as a JSON file per
// attempt and what the class table reads back. The value is plain data; the
// JSON is written and read here, the file itself in attemptfile.h.
//
//   { "format": "zenuvio-attempt", "version": 1,
//     "pupil": "Anna", "problem": "Rettangolo.znv", "problemSha256": "<64 hex>",
//     "started": "<ISO time with offset>", "ended": "<...>", "finished": true,
//     "data": 3, "steps": 4,
//     "acts": [ { "at": "<...>", "kind": "datum"|"formula"|"result", "index": 0..7,
//                 "entry": "8 cm", "verdict": "Bravo", "correct": true, "slip": "" } ] }

// The kind of slip the explanations tell for a wrong entry.
enum class Slip { None, Unit, Decimal, Zeros, Blanks, Tab, Dimension, Number };

struct AttemptAct {
    enum class Kind { Datum, Formula, Result };
    QDateTime at;
    Kind kind = Kind::Datum;
    int index = 0;   // the datum or the step, 0..7
    QString entry;   // what was typed, or the formula number as text
    QString verdict; // the hint shown, exactly
    bool correct = false;
    Slip slip = Slip::None;

    bool operator==(const AttemptAct &other) const;
    bool operator!=(const AttemptAct &other) const { return !(*this == other); }
};

struct AttemptRecord {
    QString pupil;         // as typed, never interpreted
    QString problem;       // the problem's file name without its folder
    QString problemSha256; // 64 lower-case hex digits of the problem file's bytes
    QDateTime started;
    QDateTime ended;
    bool finished = false;
    int data = 0;           // data the problem asks for
    int steps = 0;          // steps the problem asks for
    QList<AttemptAct> acts; // in the order they happened

    bool operator==(const AttemptRecord &other) const;
    bool operator!=(const AttemptRecord &other) const { return !(*this == other); }
};

namespace AttemptJson {

inline constexpr int Version = 1;
inline constexpr int SlotCount = 8;

// Why a file was not taken as a record.
enum class SkipReason {
    NotOurs,       // valid JSON, but not an attempt record of this program
    Damaged,       // not JSON at all: truncated, cut, binary, unreadable or far too big
    FutureVersion, // written by a later version of the program
    MissingFields, // ours, but a field is missing or holds what it cannot hold
};

// The reason in Italian words, as shown in the list of files not read.
QString reasonText(SkipReason reason);

struct ReadRecord {
    std::optional<AttemptRecord> record;
    SkipReason reason = SkipReason::Damaged; // meaningful when there is no record
};

QByteArray toJson(const AttemptRecord &record);
ReadRecord fromJson(const QByteArray &bytes);

QString slipName(Slip slip); // "" for Slip::None
std::optional<Slip> slipFromName(const QString &name);

} // namespace AttemptJson
