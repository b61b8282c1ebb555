// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "analysis/ReferenceTone.h"

// Plays the reference tone on an output device, apart from the capture: the
// tuner keeps listening while it sounds.
class ITonePlayer {
public:
    virtual ~ITonePlayer() = default;
    // Starts the tone, ending one that plays. False with the reason in
    // GetLastErrorText() when no output can be opened.
    virtual bool Play(double dHz, ToneShape shape, double dVolume) = 0;
    // Fades the tone out and closes the output; returns within about two
    // seconds even when the server does not answer.
    virtual void Stop() = 0;
    // Playing, and the server has not dropped the stream.
    virtual bool IsPlaying() const = 0;
    // One sentence for the user: what went wrong and what to try.
    virtual std::string GetLastErrorText() const = 0;
};

// On the PulseAudio server's default output: strServer as for capture (empty
// for PULSE_SERVER or the user's server); never spawns a server.
std::unique_ptr<ITonePlayer> CreatePulseTonePlayer(std::string strServer = {});
