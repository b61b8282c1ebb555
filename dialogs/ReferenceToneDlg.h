// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

#include "analysis/TuningOptions.h"
#include "platform/sound/TonePlayer.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

// Settings -> Reference Tone: any note of the tuning in use (an instrument's
// strings when the tuning is one), sine or soft, at a chosen volume, played
// on the default output while the tuner goes on listening. Play and Stop;
// closing the dialog stops the tone. A tone that cannot play, or that the
// server stops, is told in a message box.
class CReferenceToneDlg : public QDialog {
    Q_OBJECT
public:
    // values: the whole tuning in use (A5, transposition, temperament, scale
    // or strings); pPlayer: where the tone goes.
    CReferenceToneDlg(const CTuningValues& values, std::unique_ptr<ITonePlayer> pPlayer,
                      QWidget* pParent = nullptr);
    ~CReferenceToneDlg() override;

    QComboBox* GetNoteList() const { return m_pNote; }
    QComboBox* GetShapeList() const { return m_pShape; }
    QSlider* GetVolumeSlider() const { return m_pVolume; }
    QPushButton* GetPlayButton() const { return m_pPlay; }
    QPushButton* GetStopButton() const { return m_pStop; }
    // The frequency of the chosen note, in Hz.
    double GetFrequency() const;

public slots:
    void done(int nResult) override;

private:
    void Play();
    void Stop();
    // A change while the tone sounds is heard at once.
    void OnChoiceChanged();
    // A tone the server dropped (it went away) is told, and can be played
    // again.
    void CheckPlaying();

    CTuningValues m_values;
    std::unique_ptr<ITonePlayer> m_pPlayer;
    std::vector<double> m_adHz;  // by row of the note list
    QComboBox* m_pNote;
    QComboBox* m_pShape;
    QSlider* m_pVolume;
    QLabel* m_pFrequency;
    QPushButton* m_pPlay;
    QPushButton* m_pStop;
};

// The menu command: the dialog on the default output, until it is closed.
void ShowReferenceToneDlg(QWidget* pParent, const CTuningValues& values);
