// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class CMidiPlugin;
class QComboBox;
class QRadioButton;

// Control ids of template 203.
constexpr unsigned IDD_MIDI_SETTINGS = 203;
constexpr unsigned IDC_KEEP_PITCH = 1041;
constexpr unsigned IDC_ROUND_PITCH = 1042;
constexpr unsigned IDC_ACCIDENTALS_LIST = 1044;
constexpr unsigned IDC_MIN_DB_LIST = 1045;
constexpr unsigned IDC_SHARP = 1046;
constexpr unsigned IDC_FLAT = 1047;
constexpr unsigned IDC_PITCH_CHANGE_LIST = 1048;
constexpr unsigned IDC_MAJOR = 1050;
constexpr unsigned IDC_MINOR = 1051;
constexpr unsigned IDC_LOWEST_NOTE_LIST = 1052;
constexpr unsigned IDC_INSTRUMENT_LIST = 1053;
constexpr unsigned IDC_TEMPO_LIST = 1054;

constexpr int MIDI_INSTRUMENT_COUNT = 128;
// The General MIDI programs as the instrument list shows them, program order.
extern const char* const MIDI_INSTRUMENT_NAMES[MIDI_INSTRUMENT_COUNT];

// The prompt for a lowest note longer than the plug-in's field holds.
extern const char* const MIDI_LOWEST_NOTE_PROMPT;

// The values the MIDI plug-in's settings variables get, in its encoding.
struct MidiSettingsValues {
    int nAccidentals = 0;
    int nSharpFlat = 0;
    int nMajorMinor = 0;
    int nPitch = 1;
    int nInstrument = 0;
    int nTempo = 100;
    char chLow[4] = {};
    int nDeltaCents = 25;
    int ndB = -40;
};

// "Settings for MIDI Generation": key signature, instrument and tempo of the
// sequence, and when a note-on is generated. One instance lives with the main
// window; its members stay from one opening to the next, except the lowest
// note, which every opening sets to "E3" again.
class CMidiSettingsDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int TEMPLATE_WIDTH = 262;
    static constexpr int TEMPLATE_HEIGHT = 170;
    static constexpr int MIN_TEMPO = 20;
    static constexpr int MAX_TEMPO = 255;
    static constexpr int LOWEST_NOTE_DEFAULT_ROW = 4;  // "E3"
    static constexpr int MAX_LOWEST_NOTE_CHARS = 3;

    explicit CMidiSettingsDlg(QWidget* pParent = nullptr);

    // Fills the lists and selects the members' items, then runs modally.
    int exec() override;

    // 5, 10, 25, 50 for indexes 0 ... 3, else 25.
    static int DeltaCentsOf(int nIndex);
    // -10 ... -50 for indexes 0 ... 4, else -50.
    static int MinDbOf(int nIndex);

    MidiSettingsValues GetValues() const;
    // Writes the values into the plug-in's variables. False, writing nothing,
    // when the plug-in is not available: the caller shows message 164.
    bool WriteToPlugin(CMidiPlugin& plugin) const;

    int m_nAccidentalsIndex = 0;
    int m_nPitchChangeIndex = 2;  // "25 Cents"
    int m_nInstrumentIndex = 0;   // "Acoustic Grand Piano"
    int m_nMinDbIndex = 3;        // "-40 dB"
    int m_nTempoBpm = 100;
    int m_nPitchMode = 1;  // 0 keep the original pitch, 1 round to the closest note
    int m_nSharpFlatMode = 0;
    int m_nMajorMinorMode = 0;
    QString m_strLowestNote;

    QComboBox* GetList(unsigned nId) const;
    QRadioButton* GetRadio(unsigned nId) const;

public slots:
    void accept() override;

private:
    void OnInitDialog();
    bool UpdateData();
    QComboBox* AddList(unsigned nId, int l, int t, int w);
    QRadioButton* AddRadio(unsigned nId, const QString& text, int l, int t, int w);

    QComboBox* m_pAccidentals;
    QComboBox* m_pInstrument;
    QComboBox* m_pTempo;
    QComboBox* m_pLowestNote;
    QComboBox* m_pPitchChange;
    QComboBox* m_pMinDb;
    QRadioButton* m_pSharp;
    QRadioButton* m_pFlat;
    QRadioButton* m_pMajor;
    QRadioButton* m_pMinor;
    QRadioButton* m_pKeepPitch;
    QRadioButton* m_pRoundPitch;
};
