// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/Tuning.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

#include "analysis/NoteTable.h"
#include "analysis/ScalaFile.h"
#include "analysis/StringPresets.h"
#include "analysis/Temperaments.h"
#include "analysis/TuningOptions.h"

namespace {

// Targets are made over the frequencies a transposed reading can have a
// note for: from below the five-string bass's B1 to the note table's top.
constexpr double LOWEST_TARGET_HZ = 25.0;
constexpr double HIGHEST_TARGET_HZ = 4400.0;
// The most targets a scale without a keyboard map may make: a denser scale
// would fill the memory, and its periods' numbers would outgrow a target's
// name.
constexpr int MAX_SCALE_TARGETS = 10000;
// The note table's first entry, and the notes below it that the
// fundamental method reads: A1, A1#, B1.
constexpr int LOWEST_POSITION = -3;

void SetName(TuningTarget& target, const std::string& strName) {
    target.name.fill('\0');
    std::memcpy(target.name.data(), strName.data(),
                std::min(strName.size(), static_cast<size_t>(TARGET_NAME_SIZE - 1)));
}

// Equal-tempered frequency of a position, in the A5 = 440 Hz frame.
double PositionHz(int nPosition) {
    return 440.0 * std::exp2(static_cast<double>(nPosition - NOTE_A5) / 12.0);
}

int NearestPosition(double dHz) {
    return NOTE_A5 + static_cast<int>(std::lround(12.0 * std::log2(dHz / 440.0)));
}

int PitchClassOf(int nPosition) {
    return ((nPosition % 12) + 12) % 12;
}

}  // namespace

double CentsBetween(float f, float t) {
    return 1200.0 * std::log2(static_cast<double>(f) / static_cast<double>(t));
}

std::shared_ptr<const CTuning> CTuning::Default() {
    static const std::shared_ptr<const CTuning> pDefault = [] {
        std::shared_ptr<CTuning> p(new CTuning);
        p->m_bDefault = true;
        // Below C2 the same rule as the table: equal-tempered single
        // precision, the split a quarter tone up.
        for (int nPosition = LOWEST_POSITION; nPosition < 0; ++nPosition) {
            TuningTarget t;
            t.fFrequency = static_cast<float>(PositionHz(nPosition));
            t.nPosition = nPosition;
            SetName(t, NotePositionName(nPosition));
            p->m_targets.push_back(t);
        }
        for (int i = 0; i < NOTE_COUNT; ++i) {
            TuningTarget t;
            t.fFrequency = NoteTable[i];
            t.nPosition = i;
            SetName(t, NoteNames[i].data());
            p->m_targets.push_back(t);
        }
        for (TuningTarget& t : p->m_targets)
            t.fSplitAbove =
                static_cast<float>(static_cast<double>(t.fFrequency) * QUARTER_TONE_RATIO);
        return p;
    }();
    return pDefault;
}

void CTuning::SetSplits() {
    std::stable_sort(
        m_targets.begin(), m_targets.end(),
        [](const TuningTarget& a, const TuningTarget& b) { return a.fFrequency < b.fFrequency; });
    for (size_t i = 0; i < m_targets.size(); ++i) {
        const double t = m_targets[i].fFrequency;
        m_targets[i].fSplitAbove = i + 1 < m_targets.size()
                                       ? static_cast<float>(std::sqrt(
                                             t * static_cast<double>(m_targets[i + 1].fFrequency)))
                                       : static_cast<float>(t * QUARTER_TONE_RATIO);
    }
}

int CTuning::FindTarget(float f, double dMin) const {
    if (std::isnan(f) || f < dMin || m_targets.empty()) return NO_TARGET;
    if (std::isinf(f)) return ABOVE_TARGETS;  // every distance would tie
    const int nCount = GetCount();
    int best = 0;
    float bestDistance = std::fabs(m_targets[0].fFrequency - f);
    for (int i = 1; i < nCount; ++i) {
        const float distance = std::fabs(m_targets[static_cast<size_t>(i)].fFrequency - f);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    int lo, hi;
    if (m_targets[static_cast<size_t>(best)].fFrequency >= f) {
        lo = best - 1;
        hi = best;
    } else {
        lo = best;
        hi = best + 1;
    }
    // Strings have no band edges: everything is measured against the
    // closest string. Otherwise the lowest target's band reaches a quarter
    // tone below it, as the highest's reaches a quarter tone above it: a
    // reading on the lowest key of a keyboard map has its target.
    if (lo < 0)
        return m_bOpenEnds || static_cast<double>(f) * QUARTER_TONE_RATIO >=
                                  static_cast<double>(m_targets[0].fFrequency)
                   ? 0
                   : NO_TARGET;
    if (f > m_targets[static_cast<size_t>(lo)].fSplitAbove)
        return hi < nCount ? hi : (m_bOpenEnds ? lo : ABOVE_TARGETS);
    return lo;
}

int CTuning::PositionOf(int nTarget) const {
    if (nTarget >= 0) return GetTarget(nTarget).nPosition;
    return nTarget == ABOVE_TARGETS ? NOTE_COUNT : 0;
}

// The note table's own answer for no target is its first note, C2.
float CTuning::FrequencyOf(int nTarget) const {
    if (nTarget >= 0) return GetTarget(nTarget).fFrequency;
    return nTarget == NO_TARGET && m_bDefault ? NoteTable[0] : 0.0f;
}

const char* CTuning::NameOf(int nTarget) const {
    if (nTarget >= 0) return GetTarget(nTarget).name.data();
    return nTarget == NO_TARGET && m_bDefault ? NoteName(0) : nullptr;
}

std::shared_ptr<const CTuning> CTuning::Build(const CTuningValues& v, std::string& strError) {
    const bool bStrings = !v.strStrings.empty();
    const bool bScale = !v.strScale.empty();
    if (!v.strKeymap.empty() && !bScale) {
        strError = "--keymap: a keyboard map places the degrees of a --scale, and none is given";
        return nullptr;
    }
    if (v.nTemperament == 0 && !bScale && !bStrings) return Default();
    if (bScale && bStrings) {
        strError = "--strings: strings are tuned in a temperament, not in a Scala scale";
        return nullptr;
    }
    std::shared_ptr<CTuning> p(new CTuning);
    const int nTemperament =
        v.nTemperament >= 0 && v.nTemperament < static_cast<int>(Temperaments().size())
            ? v.nTemperament
            : 0;
    const std::array<double, 12> adOffsets = TemperamentOffsets(nTemperament, v.nTonic);
    const auto temperedHz = [&](int nPosition) {
        return PositionHz(nPosition) * std::exp2(adOffsets[PitchClassOf(nPosition)] / 1200.0);
    };
    std::string strTemperament;
    if (nTemperament != 0)
        strTemperament =
            std::string(Temperaments()[nTemperament].title) + " on " + PitchClassName(v.nTonic);

    if (bStrings) {
        std::vector<int> anPositions;
        const StringPreset* pPreset = FindStringPreset(v.strStrings);
        if (!ParseStringNotes(pPreset ? pPreset->notes : v.strStrings, anPositions, strError)) {
            strError = "--strings: " + strError;
            return nullptr;
        }
        std::sort(anPositions.begin(), anPositions.end());
        anPositions.erase(std::unique(anPositions.begin(), anPositions.end()), anPositions.end());
        for (int nPosition : anPositions) {
            TuningTarget t;
            t.fFrequency = static_cast<float>(temperedHz(nPosition));
            t.nPosition = nPosition;
            SetName(t, NotePositionName(nPosition));
            p->m_targets.push_back(t);
        }
        p->m_bOpenEnds = true;
        p->m_strTitle = pPreset ? pPreset->title : "Strings " + v.strStrings;
        if (!strTemperament.empty()) p->m_strTitle += ", " + strTemperament;
    } else if (bScale) {
        CScalaScale scale;
        if (!ReadScalaFile(v.strScale, scale, strError)) {
            strError = "--scale: " + strError;
            return nullptr;
        }
        CKeyboardMap map;
        const bool bMap = !v.strKeymap.empty();
        if (bMap && !ReadKeyboardMap(v.strKeymap, map, strError)) {
            strError = "--keymap: " + strError;
            return nullptr;
        }
        const int n = scale.GetDegreeCount();
        const double dPeriod = scale.GetPeriodCents();
        // Cents of a degree above degree 0, any degree, by whole periods.
        const auto degreeCents = [&](long long d) {
            const long long q = d >= 0 ? d / n : -((-d + n - 1) / n);
            const long long r = d - q * n;
            return static_cast<double>(q) * dPeriod +
                   (r == 0 ? 0.0 : scale.adCents[static_cast<size_t>(r - 1)]);
        };
        const bool bTwelve = n == 12 && std::fabs(dPeriod - 1200.0) < 1e-6;
        const int nTonicPosition = 36 + v.nTonic;  // the tonic in A5's octave
        const auto add = [&](double dHz, long long nDegree, int nNamePosition) {
            if (!(dHz >= LOWEST_TARGET_HZ && dHz <= HIGHEST_TARGET_HZ)) return;
            TuningTarget t;
            t.fFrequency = static_cast<float>(dHz);
            t.nPosition = NearestPosition(dHz);
            if (bTwelve) {
                SetName(t, NotePositionName(nNamePosition));
            } else {
                const long long r = ((nDegree % n) + n) % n;
                const long long q = (nDegree - r) / n;
                SetName(t, std::to_string(r) + ":" + std::to_string(5 + q));
            }
            p->m_targets.push_back(t);
        };
        if (!bMap) {
            // Degree 0 on the tonic's equal-tempered frequency.
            const double dTonic = PositionHz(nTonicPosition);
            const double dRangeCents = std::log2(HIGHEST_TARGET_HZ / LOWEST_TARGET_HZ) * 1200.0;
            // A period of a hundredth of a cent would make a million targets
            // (and a tinier one exhaust the memory), their names past their
            // width: a scale that dense is no scale to tune to.
            if (n * dRangeCents / dPeriod > MAX_SCALE_TARGETS) {
                strError = "--scale: " + v.strScale + ": its degrees lie so close that more than " +
                           std::to_string(MAX_SCALE_TARGETS) + " fall between 25 and 4400 Hz";
                return nullptr;
            }
            const long long nPeriods = static_cast<long long>(std::ceil(dRangeCents / dPeriod));
            for (long long d = -nPeriods * n; d <= nPeriods * n; ++d)
                add(dTonic * std::exp2(degreeCents(d) / 1200.0), d,
                    nTonicPosition + static_cast<int>(d));
        } else {
            // The map's keys: its reference key sounds at its frequency, taken
            // into the A5 = 440 Hz frame the readings are measured in.
            const double dFrame = 440.0 / static_cast<double>(v.nA5);
            const int nSize = map.nSize;
            const int nOctave = map.nPeriodDegree > 0 ? map.nPeriodDegree : n;
            const auto degreeOfKey = [&](int nKey, long long& d) {
                const int k = nKey - map.nMiddleKey;
                if (nSize == 0) {
                    d = k;
                    return true;
                }
                const int q = k >= 0 ? k / nSize : -((-k + nSize - 1) / nSize);
                const int r = k - q * nSize;
                const int m = map.anMap[static_cast<size_t>(r)];
                if (m < 0) return false;
                d = static_cast<long long>(q) * nOctave + m;
                return true;
            };
            long long nRefDegree = 0;
            if (!degreeOfKey(map.nReferenceKey, nRefDegree)) {
                strError = "--keymap: " + v.strKeymap + ": its reference key is not mapped";
                return nullptr;
            }
            const double dZeroHz = map.dReferenceHz / std::exp2(degreeCents(nRefDegree) / 1200.0);
            for (int nKey = map.nFirstKey; nKey <= map.nLastKey; ++nKey) {
                long long d = 0;
                if (degreeOfKey(nKey, d))
                    add(dZeroHz * std::exp2(degreeCents(d) / 1200.0) * dFrame, d, nKey - 24);
            }
        }
        if (p->m_targets.empty()) {
            strError = "--scale: " + v.strScale + ": no degree lies between 25 and 4400 Hz";
            return nullptr;
        }
        std::string strName = v.strScale;
        if (const size_t nSlash = strName.rfind('/'); nSlash != std::string::npos)
            strName.erase(0, nSlash + 1);
        p->m_strTitle = "Scale " + strName;
    } else {
        for (int nPosition = LOWEST_POSITION; nPosition < NOTE_COUNT; ++nPosition) {
            TuningTarget t;
            t.fFrequency = static_cast<float>(temperedHz(nPosition));
            t.nPosition = nPosition;
            SetName(t, NotePositionName(nPosition));
            p->m_targets.push_back(t);
        }
        p->m_strTitle = strTemperament;
    }
    p->SetSplits();
    return p;
}
