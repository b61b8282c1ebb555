// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

struct CTuningValues;

// The sound of the reference tone: a plain sine, or a softer, reed-like tone
// with a few harmonics that is easier to match by ear.
enum class ToneShape { Sine, Soft };

// "sine" / "soft"; false for anything else.
bool ParseToneShape(const std::string& strName, ToneShape& shape);
const char* ToneShapeName(ToneShape shape);

// The frequency in Hz that a note sounds at in the values' tuning: A5, the
// temperament on its tonic and the transposition apply, computed in double
// from their definitions. strNote is a note in Kalvo's naming ("A5", "E5",
// "F3#"); with a Scala scale it may also be a degree's name ("3:5"), and must
// then be one of the scale's notes. False with one line in strError for a
// name that does not read or a scale that cannot be built.
bool NoteFrequencyHz(const CTuningValues& values, const std::string& strNote, double& dHz,
                     std::string& strError);

// The samples of the reference tone, written buffer by buffer as a playback
// stream asks for them. The phase runs on across buffers, so the tone is one
// unbroken wave; it fades in at the start and out on FadeOut() so that
// neither end clicks.
class CReferenceTone {
public:
    static constexpr double FADE_SECONDS = 0.02;

    // dVolume: the peak level, 0 ... 1 of full scale.
    CReferenceTone(double dHz, int nSampleRate, ToneShape shape, double dVolume);

    // Writes nFrames frames of nChannels interleaved 16-bit samples (every
    // channel the same). After a fade-out has ended, silence.
    void Render(int16_t* pSamples, int nFrames, int nChannels);
    // Starts the fade-out at the next frame.
    void FadeOut();
    // The fade-out has ended: everything after it is silence.
    bool IsFinished() const { return m_bFadingOut && m_nFadeLeft == 0; }

    double GetFrequency() const { return m_dHz; }

private:
    double Sample(double dPhase) const;

    double m_dHz;
    ToneShape m_shape;
    double m_dAmplitude;
    // The phase in cycles, 0 ... 1, advanced by m_dStep each frame: kept
    // small so that double precision holds the frequency over hours.
    double m_dPhase = 0.0;
    double m_dStep;
    int m_nFadeFrames;
    int m_nFadeInDone = 0;
    bool m_bFadingOut = false;
    int m_nFadeLeft = 0;
};
