// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "analysis/TuningOptions.h"

class CControlPanel;
class CPitchAnalyser;
class CTuning;
class QLabel;
class QWidget;

// The window's tuning: what Settings -> Tuning chose, built into the targets
// the analysis measures against, and the label that names a tuning that is
// not the default wherever the window is looked at. With the default the
// label is hidden and the window is as it always was.
class CTuningControl {
public:
    // The label goes on the control panel, above its lists; a running session
    // log is told each new tuning there.
    CTuningControl(CPitchAnalyser& analyser, CControlPanel& panel);

    // Builds the tuning of values (its tuning fields and A5) and uses it from
    // the next block on, with an INFO entry in a running session log when its
    // name changed; false with one line when a file it names cannot be read,
    // and then the tuning in use stays.
    bool Apply(const CTuningValues& values, std::string& strError);
    // The tuning fields of the tuning in use, into values.
    void Fill(CTuningValues& values) const;
    // A keyboard map's reference is in hertz: a new A5 moves it in the frame
    // the analysis measures in.
    void OnA5Changed(int nA5);
    // Settings -> Tuning; true when a new tuning was applied.
    bool OnCommand(QWidget* pParent);

    // "" for the default.
    std::string GetTitle() const;
    QLabel* GetLabel() const { return m_pLabel; }

private:
    CPitchAnalyser& m_analyser;
    CControlPanel& m_panel;
    CTuningValues m_values;
    QLabel* m_pLabel;
};
