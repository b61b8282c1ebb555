// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/MidiSettingsDlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cstring>

#include "analysis/NoteTable.h"
#include "dialogs/DialogTemplate.h"
#include "platform/ui/DialogUnits.h"
#include "platform/ui/Gdi.h"
#include "platform/ui/MessageBox.h"
#include "plugins/PluginBinding.h"

// Several names end in a blank and two hold quotes: they are shown as the
// plug-in's users have always seen them.
const char* const MIDI_INSTRUMENT_NAMES[MIDI_INSTRUMENT_COUNT] = {
    "Acoustic Grand Piano",   // 0
    "Bright Piano",           // 1
    "Electric Grand Piano",   // 2
    "Honky-Tonk Piano",       // 3
    "Electric piano 1 ",      // 4
    "Electric Piano 2",       // 5
    "Harpsichord ",           // 6
    "Clavinet",               // 7
    "Celesta ",               // 8
    "Glockenspiel",           // 9
    "Music Box",              // 10
    "Vibraphone ",            // 11
    "Marimba ",               // 12
    "Xylophone",              // 13
    "Tubular bells",          // 14
    "Dulcimer",               // 15
    "Drawbar Organ",          // 16
    "Percussive Organ",       // 17
    "Rock Organ ",            // 18
    "Church Organ",           // 19
    "Reed Organ ",            // 20
    "Accordion ",             // 21
    "Harmonica",              // 22
    "Tango Accordion",        // 23
    "Nylon String Guitar",    // 24
    "Steel String Guitar",    // 25
    "Jazz Guitar",            // 26
    "Clean Electric Guitar",  // 27
    "Muted Electric Guitar",  // 28
    "Overdrive Guitar",       // 29
    "Distortion Guitar",      // 30
    "Guitar Harmonics",       // 31
    "Accoustic Bass",         // 32
    "Fingered Bass",          // 33
    "Picked Bass",            // 34
    "Fretless Bass",          // 35
    "Slap Bass 1",            // 36
    "Slap Bass 2",            // 37
    "Synth Bass 1",           // 38
    "Synth Bass 2",           // 39
    "Violin ",                // 40
    "Viola",                  // 41
    "Cello",                  // 42
    "Contrabass ",            // 43
    "Tremolo Strings",        // 44
    "Pizzicato Strings",      // 45
    "Orchestral Harp",        // 46
    "Timpani ",               // 47
    "String Ensemble 1 ",     // 48
    "String Ensemble 2",      // 49
    "Synth Strings 1 ",       // 50
    "Synth Strings 2",        // 51
    "Choir \"ahh\" ",         // 52
    "Choir \"oohh\" ",        // 53
    "Synth Voice",            // 54
    "Orchestral Hit ",        // 55
    "Trumpet ",               // 56
    "Trombone ",              // 57
    "Tuba",                   // 58
    "Muted Trumpet",          // 59
    "French Horn",            // 60
    "Brass Section ",         // 61
    "Synth Brass 1 ",         // 62
    "Synth Brass 2",          // 63
    "Soprano Sax",            // 64
    "Alto Sax",               // 65
    "Tenor Sax",              // 66
    "Baritone Sax",           // 67
    "Oboe",                   // 68
    "English Horn ",          // 69
    "Bassoon",                // 70
    "Clarinet ",              // 71
    "Piccolo ",               // 72
    "Flute ",                 // 73
    "Recorder ",              // 74
    "Pan flute",              // 75
    "Blown Bottle ",          // 76
    "Shakuhachi",             // 77
    "Whistle ",               // 78
    "Ocarina ",               // 79
    "Square Wave",            // 80
    "Sawtooth Wave",          // 81
    "Calliope",               // 82
    "Chiff",                  // 83
    "Charang ",               // 84
    "Voice ",                 // 85
    "Fifths",                 // 86
    "Bass & Lead",            // 87
    "New Age",                // 88
    "Warm",                   // 89
    "PolySynth",              // 90
    "Choir ",                 // 91
    "Bowed ",                 // 92
    "Metallic ",              // 93
    "Halo",                   // 94
    "Sweep ",                 // 95
    "FX Rain",                // 96
    "FX Soundtrack ",         // 97
    "FX Crystal",             // 98
    "FX Atmosphere ",         // 99
    "FX Brightness",          // 100
    "FX Goblins ",            // 101
    "FX Echo Drops",          // 102
    "FX Star Theme",          // 103
    "Sitar",                  // 104
    "Banjo ",                 // 105
    "Shamisen ",              // 106
    "Koto",                   // 107
    "Kalimba ",               // 108
    "Bagpipe",                // 109
    "Fiddle ",                // 110
    "Shanai ",                // 111
    "Tinkle bell ",           // 112
    "Agogo ",                 // 113
    "Steel Drums",            // 114
    "Woodblock",              // 115
    "Taiko Drum",             // 116
    "Melodic Tom",            // 117
    "Synth Drum ",            // 118
    "Reverse Cymbal",         // 119
    "Guitar Fret Noise ",     // 120
    "Breath Noise",           // 121
    "Seashore",               // 122
    "Bird Tweet",             // 123
    "Telephone Ring ",        // 124
    "Helicopter",             // 125
    "Applause",               // 126
    "Gunshot",                // 127
};

const char* const MIDI_LOWEST_NOTE_PROMPT = "Please enter no more than 3 characters.";

namespace {
constexpr int DELTA_CENTS[] = {5, 10, 25, 50};
constexpr const char* PITCH_CHANGE_TEXTS[] = {"5   Cents", "10 Cents", "25 Cents", "50 Cents"};
constexpr int MIN_DB[] = {-10, -20, -30, -40, -50};
constexpr const char* MIN_DB_TEXTS[] = {"-10 dB", "-20 dB", "-30 dB", "-40 dB", "-50 dB"};
// The lowest-note list runs from C3 to C6 of the note table (C2 is index 0).
constexpr int LOWEST_NOTE_FIRST = 12;
constexpr int LOWEST_NOTE_COUNT = 37;

void AddLabel(QWidget* pParent, const char* pszText, int l, int t, int w,
              Qt::Alignment align = Qt::AlignLeft) {
    auto* pLabel = new QLabel(QString::fromLatin1(pszText), pParent);
    pLabel->setAlignment(align | Qt::AlignVCenter);
    pLabel->setGeometry(MapDialogRect(QRect(l, t, w, 8)));
}

// An index that is no row of the list selects nothing.
void SelectRow(QComboBox* pList, int nRow) {
    pList->setCurrentIndex(nRow >= 0 && nRow < pList->count() ? nRow : -1);
}
}  // namespace

QComboBox* CMidiSettingsDlg::AddList(unsigned nId, int l, int t, int w) {
    // Drop-down combo boxes: an edit field the user can type into, whose
    // text adds no item to the list.
    auto* pList = new QComboBox(this);
    pList->setObjectName(QString::number(nId));
    pList->setEditable(true);
    pList->setInsertPolicy(QComboBox::NoInsert);
    pList->setGeometry(MapDialogRect(QRect(l, t, w, 13)));
    return pList;
}

QRadioButton* CMidiSettingsDlg::AddRadio(unsigned nId, const char* pszText, int l, int t, int w) {
    auto* pRadio = new QRadioButton(QString::fromLatin1(pszText), this);
    pRadio->setObjectName(QString::number(nId));
    pRadio->setGeometry(MapDialogRect(QRect(l, t, w, 10)));
    return pRadio;
}

CMidiSettingsDlg::CMidiSettingsDlg(QWidget* pParent) : QDialog(pParent) {
    SetUpTemplateDialog(this, "Settings for MIDI Generation", TEMPLATE_WIDTH, TEMPLATE_HEIGHT);

    AddTemplateGroup(this, "Settings for MIDI Sequence", 7, 4, 248, 56);
    AddLabel(this, "Accidentals", 12, 18, 44, Qt::AlignRight);
    m_pAccidentals = AddList(IDC_ACCIDENTALS_LIST, 60, 16, 32);
    for (int i = 0; i <= 7; ++i) m_pAccidentals->addItem(QString::number(i));
    m_pSharp = AddRadio(IDC_SHARP, "Sharp", 100, 14, 44);
    m_pFlat = AddRadio(IDC_FLAT, "Flat", 100, 26, 44);
    m_pMajor = AddRadio(IDC_MAJOR, "Major", 152, 14, 44);
    m_pMinor = AddRadio(IDC_MINOR, "Minor", 152, 26, 44);
    AddLabel(this, "Instrument", 12, 42, 44, Qt::AlignRight);
    m_pInstrument = AddList(IDC_INSTRUMENT_LIST, 60, 40, 110);
    for (const char* pszName : MIDI_INSTRUMENT_NAMES)
        m_pInstrument->addItem(QString::fromLatin1(pszName));
    AddLabel(this, "Tempo", 174, 42, 30, Qt::AlignRight);
    m_pTempo = AddList(IDC_TEMPO_LIST, 208, 40, 40);

    AddTemplateGroup(this, "Note On MIDI Event Generation", 7, 64, 248, 40);
    AddLabel(this, "Only for Notes Above", 14, 75, 82);
    m_pLowestNote = AddList(IDC_LOWEST_NOTE_LIST, 14, 85, 56);
    for (int i = 0; i < LOWEST_NOTE_COUNT; ++i)
        m_pLowestNote->addItem(QString::fromLatin1(NoteNames[LOWEST_NOTE_FIRST + i].data()));
    AddLabel(this, "Minimum Pitch Change", 98, 75, 84);
    m_pPitchChange = AddList(IDC_PITCH_CHANGE_LIST, 98, 85, 56);
    for (const char* pszText : PITCH_CHANGE_TEXTS)
        m_pPitchChange->addItem(QString::fromLatin1(pszText));
    AddLabel(this, "Minimum dB Value", 182, 75, 72);
    m_pMinDb = AddList(IDC_MIN_DB_LIST, 182, 85, 56);
    for (const char* pszText : MIN_DB_TEXTS) m_pMinDb->addItem(QString::fromLatin1(pszText));

    AddTemplateGroup(this, "Note Pitch", 7, 108, 248, 28);
    m_pKeepPitch = AddRadio(IDC_KEEP_PITCH, "Keep original note pitch", 14, 120, 112);
    m_pRoundPitch = AddRadio(IDC_ROUND_PITCH, "Round pitch to closest note", 132, 120, 118);

    // Each pair is a group of its own.
    for (auto [pFirst, pSecond] : {std::pair{m_pSharp, m_pFlat}, std::pair{m_pMajor, m_pMinor},
                                   std::pair{m_pKeepPitch, m_pRoundPitch}}) {
        auto* pGroup = new QButtonGroup(this);
        pGroup->addButton(pFirst);
        pGroup->addButton(pSecond);
    }

    auto* pOk = new QPushButton(QStringLiteral("OK"), this);
    pOk->setObjectName(QStringLiteral("1"));
    pOk->setGeometry(MapDialogRect(QRect(74, 146, 50, 14)));
    pOk->setDefault(true);
    auto* pCancel = new QPushButton(QStringLiteral("Cancel"), this);
    pCancel->setObjectName(QStringLiteral("2"));
    pCancel->setGeometry(MapDialogRect(QRect(138, 146, 50, 14)));
    pCancel->setAutoDefault(false);
    connect(pOk, &QPushButton::clicked, this, &CMidiSettingsDlg::accept);
    connect(pCancel, &QPushButton::clicked, this, &QDialog::reject);

    // A choice in a list is kept at once, also when the dialog is cancelled;
    // filling the lists is no choice, so only the user's picks count.
    connect(m_pAccidentals, &QComboBox::activated, this,
            [this](int nRow) { m_nAccidentalsIndex = nRow; });
    connect(m_pInstrument, &QComboBox::activated, this,
            [this](int nRow) { m_nInstrumentIndex = nRow; });
    connect(m_pPitchChange, &QComboBox::activated, this,
            [this](int nRow) { m_nPitchChangeIndex = nRow; });
    connect(m_pMinDb, &QComboBox::activated, this, [this](int nRow) { m_nMinDbIndex = nRow; });
    connect(m_pTempo, &QComboBox::activated, this,
            [this](int nRow) { m_nTempoBpm = nRow + MIN_TEMPO; });
}

int CMidiSettingsDlg::exec() {
    OnInitDialog();
    return QDialog::exec();
}

void CMidiSettingsDlg::OnInitDialog() {
    (m_nSharpFlatMode == 1 ? m_pFlat : m_pSharp)->setChecked(true);
    (m_nMajorMinorMode == 1 ? m_pMinor : m_pMajor)->setChecked(true);
    (m_nPitchMode == 0 ? m_pKeepPitch : m_pRoundPitch)->setChecked(true);

    SelectRow(m_pAccidentals, m_nAccidentalsIndex);
    SelectRow(m_pInstrument, m_nInstrumentIndex);
    SelectRow(m_pPitchChange, m_nPitchChangeIndex);
    SelectRow(m_pMinDb, m_nMinDbIndex);
    // The lowest note starts from "E3" at every opening, whatever was chosen.
    m_pLowestNote->setCurrentIndex(LOWEST_NOTE_DEFAULT_ROW);

    // Filled anew at each opening: " 20" ... "255", each with its value.
    m_pTempo->clear();
    for (int nBpm = MIN_TEMPO; nBpm <= MAX_TEMPO; ++nBpm)
        m_pTempo->addItem(QString::asprintf("%3d", nBpm), nBpm);
    SelectRow(m_pTempo, m_nTempoBpm - MIN_TEMPO);
    m_pAccidentals->setFocus();
}

bool CMidiSettingsDlg::UpdateData() {
    m_nSharpFlatMode = m_pFlat->isChecked() ? 1 : 0;
    m_nMajorMinorMode = m_pMinor->isChecked() ? 1 : 0;
    m_nPitchMode = m_pKeepPitch->isChecked() ? 0 : 1;
    const QString strLowest = m_pLowestNote->currentText();
    // The plug-in's field holds three characters and the terminating zero.
    if (strLowest.size() > MAX_LOWEST_NOTE_CHARS ||
        strLowest.toLatin1().size() > MAX_LOWEST_NOTE_CHARS) {
        ShowMessageText(QString::fromLatin1(MIDI_LOWEST_NOTE_PROMPT), MB_ICONSTOP);
        m_pLowestNote->setFocus();
        m_pLowestNote->lineEdit()->selectAll();
        return false;
    }
    m_strLowestNote = strLowest;
    return true;
}

void CMidiSettingsDlg::accept() {
    if (UpdateData()) QDialog::accept();
}

QComboBox* CMidiSettingsDlg::GetList(unsigned nId) const {
    return findChild<QComboBox*>(QString::number(nId));
}

QRadioButton* CMidiSettingsDlg::GetRadio(unsigned nId) const {
    return findChild<QRadioButton*>(QString::number(nId));
}

int CMidiSettingsDlg::DeltaCentsOf(int nIndex) {
    return nIndex >= 0 && nIndex < 4 ? DELTA_CENTS[nIndex] : 25;
}

int CMidiSettingsDlg::MinDbOf(int nIndex) {
    return nIndex >= 0 && nIndex < 5 ? MIN_DB[nIndex] : -50;
}

MidiSettingsValues CMidiSettingsDlg::GetValues() const {
    MidiSettingsValues v;
    v.nAccidentals = m_nAccidentalsIndex;
    v.nSharpFlat = m_nSharpFlatMode;
    v.nMajorMinor = m_nMajorMinorMode;
    v.nPitch = m_nPitchMode;
    v.nInstrument = m_nInstrumentIndex;
    v.nTempo = m_nTempoBpm;
    const QByteArray low = m_strLowestNote.toLatin1().left(MAX_LOWEST_NOTE_CHARS);
    std::memcpy(v.chLow, low.constData(), static_cast<size_t>(low.size()));
    v.chLow[low.size()] = '\0';
    v.nDeltaCents = DeltaCentsOf(m_nPitchChangeIndex);
    v.ndB = MinDbOf(m_nMinDbIndex);
    return v;
}

bool CMidiSettingsDlg::WriteToPlugin(CMidiPlugin& plugin) const {
    if (!plugin.IsAvailable()) return false;
    const MidiSettingsValues v = GetValues();
    *plugin.m_pnAccidentals = v.nAccidentals;
    *plugin.m_pnSharpFlat = v.nSharpFlat;
    *plugin.m_pnMajorMinor = v.nMajorMinor;
    *plugin.m_pnPitch = v.nPitch;
    *plugin.m_pnInstrument = v.nInstrument;
    *plugin.m_pnTempo = v.nTempo;
    std::memcpy(plugin.m_pchLow, v.chLow, sizeof v.chLow);
    *plugin.m_pnDeltaCents = v.nDeltaCents;
    *plugin.m_pndB = v.ndB;
    return true;
}
