// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

struct CTuningValues;

// The longest target name, with its terminating zero: "999:9" for a degree of
// a scale of many degrees, "C5#" for a note.
constexpr int TARGET_NAME_SIZE = 8;

// One note a reading can be measured against.
struct TuningTarget {
    // In the frame the analysis measures in, where A5 is 440 Hz: the
    // transposed frequency of a reading is compared with it directly.
    float fFrequency = 0.0f;
    // A reading above this lies closer to the next target up.
    float fSplitAbove = 0.0f;
    // The equal-tempered note closest to the target, numbered as the note
    // table (C2 = 0, A5 = 45), and lying outside 0 ... 84 for notes beyond
    // it: what the note area draws and what a MIDI recording plays.
    int nPosition = 0;
    std::array<char, TARGET_NAME_SIZE> name{};
};

// The set of targets every reading is measured against: the note area, the
// cents, the session log, the MIDI notes and the table of kalvo-analyze all
// take their target from here. The default is the note table itself (the 85
// equal-tempered notes from C2 to C9), so a player who chooses nothing gets
// every reading exactly as it always was; a temperament, a Scala scale or an
// instrument's strings are other contents of the same table.
class CTuning {
public:
    // The note table's 85 notes, with the designed split a quarter tone above
    // each; targets below C2 are added for the fundamental method's low notes.
    static std::shared_ptr<const CTuning> Default();
    // The tuning the values choose; null with one line in strError when a
    // file they name cannot be read. The equal temperament without a scale
    // or strings is Default() itself.
    static std::shared_ptr<const CTuning> Build(const CTuningValues& values, std::string& strError);

    bool IsDefault() const { return m_bDefault; }
    // What the window and the log call a tuning that is not the default:
    // "Werckmeister III on C", "Guitar, drop D", "Scale 19-EDO (bp.scl)". Empty
    // for the default.
    const std::string& GetTitle() const { return m_strTitle; }

    int GetCount() const { return static_cast<int>(m_targets.size()); }
    const TuningTarget& GetTarget(int i) const { return m_targets[static_cast<size_t>(i)]; }

    // The target whose band holds the transposed frequency f: the closest
    // one, with the boundary at the split above the lower of the two
    // neighbours. NO_TARGET below dMin (or NaN) and below the lowest target's
    // band, ABOVE_TARGETS above the top target's band; the end bands reach a
    // quarter tone beyond their targets (strings' bands have no ends).
    static constexpr int NO_TARGET = -1;
    static constexpr int ABOVE_TARGETS = -2;
    int FindTarget(float f, double dMin) const;
    // What a reading of FindTarget's answer is measured against: the note
    // table's numbering (0 for no target, as below 40 Hz; 85 above), the
    // target's frequency (0 when there is none) and name (null when none).
    int PositionOf(int nTarget) const;
    float FrequencyOf(int nTarget) const;
    const char* NameOf(int nTarget) const;

private:
    CTuning() = default;
    // Sorts by frequency and sets the splits at the geometric middle between
    // neighbours.
    void SetSplits();

    bool m_bDefault = false;
    // An instrument's strings: a reading below the lowest or above the
    // highest is measured against it, however far off.
    bool m_bOpenEnds = false;
    std::string m_strTitle;
    std::vector<TuningTarget> m_targets;
};

// The undamped offset of f from t in cents, in double precision.
double CentsBetween(float f, float t);
