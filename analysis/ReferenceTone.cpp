// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/ReferenceTone.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <memory>
#include <numbers>

#include "analysis/NoteTable.h"
#include "analysis/StringPresets.h"
#include "analysis/Temperaments.h"
#include "analysis/Tuning.h"
#include "analysis/TuningOptions.h"

namespace {

// A tone one can hear on any loudspeaker and that a sample rate of 16000 Hz
// still carries with its harmonics.
constexpr double LOWEST_TONE_HZ = 20.0;
constexpr double HIGHEST_TONE_HZ = 5000.0;

// The soft tone's harmonics, falling by half each: a mellow, reed-like sound
// whose fundamental is still the strongest partial.
constexpr double SOFT_HARMONICS[] = {1.0, 0.5, 0.25, 0.125};
constexpr double SOFT_PEAK_BOUND = 1.875;  // their sum: no sample can clip

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

}  // namespace

bool ParseToneShape(const std::string& strName, ToneShape& shape) {
    const std::string s = Lower(strName);
    if (s == "sine") {
        shape = ToneShape::Sine;
        return true;
    }
    if (s == "soft") {
        shape = ToneShape::Soft;
        return true;
    }
    return false;
}

const char* ToneShapeName(ToneShape shape) {
    return shape == ToneShape::Soft ? "soft" : "sine";
}

bool NoteFrequencyHz(const CTuningValues& values, const std::string& strNote, double& dHz,
                     std::string& strError) {
    const std::shared_ptr<const CTuning> pTuning = CTuning::Build(values, strError);
    if (!pTuning) return false;
    int nPosition = 0;
    const bool bNote = ParseNotePosition(strNote, nPosition);
    // From the A5 = 440 Hz frame of the targets to the sound: A5's own
    // frequency, and a transposing instrument sounds what the tuner names
    // differently.
    const auto toSound = [&](double dFrameHz) {
        return dFrameHz * static_cast<double>(values.nA5) / 440.0 /
               static_cast<double>(TranspositionFactor(values.nTransposition));
    };
    double dFrameHz = 0.0;
    if (!values.strScale.empty()) {
        // A scale's notes are only what the scale file makes them; single
        // precision holds them to a ten-thousandth of a cent.
        const std::string strWanted = bNote ? NotePositionName(nPosition) : Lower(strNote);
        for (int i = 0; i < pTuning->GetCount() && dFrameHz == 0.0; ++i)
            if (Lower(pTuning->GetTarget(i).name.data()) == Lower(strWanted))
                dFrameHz = pTuning->GetTarget(i).fFrequency;
        if (dFrameHz == 0.0) {
            // Scales of other than twelve degrees name their notes by
            // degree and octave.
            strError = "'" + strNote + "' is not a note of the scale " + values.strScale +
                       " (between 25 and 4400 Hz, named as A5, or as 0:5 in a scale of other than "
                       "twelve degrees)";
            return false;
        }
    } else {
        if (!bNote) {
            strError = "'" + strNote + "' is not a note (such as A5, E3 or F3#)";
            return false;
        }
        // The temperament's offset from its definition, not the target's
        // single-precision frequency.
        const int nTemperament =
            values.nTemperament >= 0 &&
                    values.nTemperament < static_cast<int>(Temperaments().size())
                ? values.nTemperament
                : 0;
        const std::array<double, 12> adOffsets = TemperamentOffsets(nTemperament, values.nTonic);
        const double dCents =
            100.0 * (nPosition - NOTE_A5) + adOffsets[((nPosition % 12) + 12) % 12];
        dFrameHz = 440.0 * std::exp2(dCents / 1200.0);
    }
    const double dSound = toSound(dFrameHz);
    if (!(dSound >= LOWEST_TONE_HZ && dSound <= HIGHEST_TONE_HZ)) {
        char sz[128];
        std::snprintf(sz, sizeof sz, "%.2f Hz, outside %.0f ... %.0f Hz", dSound, LOWEST_TONE_HZ,
                      HIGHEST_TONE_HZ);
        strError = "'" + strNote + "' sounds at " + sz;
        return false;
    }
    dHz = dSound;
    return true;
}

CReferenceTone::CReferenceTone(double dHz, int nSampleRate, ToneShape shape, double dVolume)
    : m_dHz(dHz),
      m_shape(shape),
      m_dAmplitude(32767.0 * std::clamp(dVolume, 0.0, 1.0)),
      m_dStep(dHz / static_cast<double>(nSampleRate)),
      m_nFadeFrames(std::max(1, static_cast<int>(FADE_SECONDS * nSampleRate))) {}

double CReferenceTone::Sample(double dPhase) const {
    const double dAngle = 2.0 * std::numbers::pi * dPhase;
    if (m_shape == ToneShape::Sine) return std::sin(dAngle);
    double d = 0.0;
    int nHarmonic = 1;
    for (double dWeight : SOFT_HARMONICS) d += dWeight * std::sin(dAngle * nHarmonic++);
    return d / SOFT_PEAK_BOUND;
}

void CReferenceTone::Render(int16_t* pSamples, int nFrames, int nChannels) {
    for (int i = 0; i < nFrames; ++i) {
        // A raised-cosine ramp at each end: no step, no click.
        double dGain = 1.0;
        if (m_bFadingOut) {
            if (m_nFadeLeft > 0) --m_nFadeLeft;
            dGain = 0.5 - 0.5 * std::cos(std::numbers::pi * m_nFadeLeft / m_nFadeFrames);
        } else if (m_nFadeInDone < m_nFadeFrames) {
            dGain = 0.5 - 0.5 * std::cos(std::numbers::pi * m_nFadeInDone / m_nFadeFrames);
            ++m_nFadeInDone;
        }
        const double d = dGain == 0.0 ? 0.0 : std::round(m_dAmplitude * dGain * Sample(m_dPhase));
        const auto n = static_cast<int16_t>(d);
        for (int c = 0; c < nChannels; ++c) *pSamples++ = n;
        m_dPhase += m_dStep;
        if (m_dPhase >= 1.0) m_dPhase -= 1.0;
    }
}

void CReferenceTone::FadeOut() {
    if (m_bFadingOut) return;
    m_bFadingOut = true;
    // A tone still fading in fades out from where it is.
    m_nFadeLeft = std::min(m_nFadeInDone, m_nFadeFrames);
}
