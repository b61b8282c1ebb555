// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/MidiSettingsDlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
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
// plug-in's users have always seen them. Shown translated (context
// "MidiInstrument"); the plug-in gets the row number.
const char* const MIDI_INSTRUMENT_NAMES[MIDI_INSTRUMENT_COUNT] = {
    QT_TRANSLATE_NOOP("MidiInstrument", "Acoustic Grand Piano"),   // 0
    QT_TRANSLATE_NOOP("MidiInstrument", "Bright Piano"),           // 1
    QT_TRANSLATE_NOOP("MidiInstrument", "Electric Grand Piano"),   // 2
    QT_TRANSLATE_NOOP("MidiInstrument", "Honky-Tonk Piano"),       // 3
    QT_TRANSLATE_NOOP("MidiInstrument", "Electric piano 1 "),      // 4
    QT_TRANSLATE_NOOP("MidiInstrument", "Electric Piano 2"),       // 5
    QT_TRANSLATE_NOOP("MidiInstrument", "Harpsichord "),           // 6
    QT_TRANSLATE_NOOP("MidiInstrument", "Clavinet"),               // 7
    QT_TRANSLATE_NOOP("MidiInstrument", "Celesta "),               // 8
    QT_TRANSLATE_NOOP("MidiInstrument", "Glockenspiel"),           // 9
    QT_TRANSLATE_NOOP("MidiInstrument", "Music Box"),              // 10
    QT_TRANSLATE_NOOP("MidiInstrument", "Vibraphone "),            // 11
    QT_TRANSLATE_NOOP("MidiInstrument", "Marimba "),               // 12
    QT_TRANSLATE_NOOP("MidiInstrument", "Xylophone"),              // 13
    QT_TRANSLATE_NOOP("MidiInstrument", "Tubular bells"),          // 14
    QT_TRANSLATE_NOOP("MidiInstrument", "Dulcimer"),               // 15
    QT_TRANSLATE_NOOP("MidiInstrument", "Drawbar Organ"),          // 16
    QT_TRANSLATE_NOOP("MidiInstrument", "Percussive Organ"),       // 17
    QT_TRANSLATE_NOOP("MidiInstrument", "Rock Organ "),            // 18
    QT_TRANSLATE_NOOP("MidiInstrument", "Church Organ"),           // 19
    QT_TRANSLATE_NOOP("MidiInstrument", "Reed Organ "),            // 20
    QT_TRANSLATE_NOOP("MidiInstrument", "Accordion "),             // 21
    QT_TRANSLATE_NOOP("MidiInstrument", "Harmonica"),              // 22
    QT_TRANSLATE_NOOP("MidiInstrument", "Tango Accordion"),        // 23
    QT_TRANSLATE_NOOP("MidiInstrument", "Nylon String Guitar"),    // 24
    QT_TRANSLATE_NOOP("MidiInstrument", "Steel String Guitar"),    // 25
    QT_TRANSLATE_NOOP("MidiInstrument", "Jazz Guitar"),            // 26
    QT_TRANSLATE_NOOP("MidiInstrument", "Clean Electric Guitar"),  // 27
    QT_TRANSLATE_NOOP("MidiInstrument", "Muted Electric Guitar"),  // 28
    QT_TRANSLATE_NOOP("MidiInstrument", "Overdrive Guitar"),       // 29
    QT_TRANSLATE_NOOP("MidiInstrument", "Distortion Guitar"),      // 30
    QT_TRANSLATE_NOOP("MidiInstrument", "Guitar Harmonics"),       // 31
    QT_TRANSLATE_NOOP("MidiInstrument", "Accoustic Bass"),         // 32
    QT_TRANSLATE_NOOP("MidiInstrument", "Fingered Bass"),          // 33
    QT_TRANSLATE_NOOP("MidiInstrument", "Picked Bass"),            // 34
    QT_TRANSLATE_NOOP("MidiInstrument", "Fretless Bass"),          // 35
    QT_TRANSLATE_NOOP("MidiInstrument", "Slap Bass 1"),            // 36
    QT_TRANSLATE_NOOP("MidiInstrument", "Slap Bass 2"),            // 37
    QT_TRANSLATE_NOOP("MidiInstrument", "Synth Bass 1"),           // 38
    QT_TRANSLATE_NOOP("MidiInstrument", "Synth Bass 2"),           // 39
    QT_TRANSLATE_NOOP("MidiInstrument", "Violin "),                // 40
    QT_TRANSLATE_NOOP("MidiInstrument", "Viola"),                  // 41
    QT_TRANSLATE_NOOP("MidiInstrument", "Cello"),                  // 42
    QT_TRANSLATE_NOOP("MidiInstrument", "Contrabass "),            // 43
    QT_TRANSLATE_NOOP("MidiInstrument", "Tremolo Strings"),        // 44
    QT_TRANSLATE_NOOP("MidiInstrument", "Pizzicato Strings"),      // 45
    QT_TRANSLATE_NOOP("MidiInstrument", "Orchestral Harp"),        // 46
    QT_TRANSLATE_NOOP("MidiInstrument", "Timpani "),               // 47
    QT_TRANSLATE_NOOP("MidiInstrument", "String Ensemble 1 "),     // 48
    QT_TRANSLATE_NOOP("MidiInstrument", "String Ensemble 2"),      // 49
    QT_TRANSLATE_NOOP("MidiInstrument", "Synth Strings 1 "),       // 50
    QT_TRANSLATE_NOOP("MidiInstrument", "Synth Strings 2"),        // 51
    QT_TRANSLATE_NOOP("MidiInstrument", "Choir \"ahh\" "),         // 52
    QT_TRANSLATE_NOOP("MidiInstrument", "Choir \"oohh\" "),        // 53
    QT_TRANSLATE_NOOP("MidiInstrument", "Synth Voice"),            // 54
    QT_TRANSLATE_NOOP("MidiInstrument", "Orchestral Hit "),        // 55
    QT_TRANSLATE_NOOP("MidiInstrument", "Trumpet "),               // 56
    QT_TRANSLATE_NOOP("MidiInstrument", "Trombone "),              // 57
    QT_TRANSLATE_NOOP("MidiInstrument", "Tuba"),                   // 58
    QT_TRANSLATE_NOOP("MidiInstrument", "Muted Trumpet"),          // 59
    QT_TRANSLATE_NOOP("MidiInstrument", "French Horn"),            // 60
    QT_TRANSLATE_NOOP("MidiInstrument", "Brass Section "),         // 61
    QT_TRANSLATE_NOOP("MidiInstrument", "Synth Brass 1 "),         // 62
    QT_TRANSLATE_NOOP("MidiInstrument", "Synth Brass 2"),          // 63
    QT_TRANSLATE_NOOP("MidiInstrument", "Soprano Sax"),            // 64
    QT_TRANSLATE_NOOP("MidiInstrument", "Alto Sax"),               // 65
    QT_TRANSLATE_NOOP("MidiInstrument", "Tenor Sax"),              // 66
    QT_TRANSLATE_NOOP("MidiInstrument", "Baritone Sax"),           // 67
    QT_TRANSLATE_NOOP("MidiInstrument", "Oboe"),                   // 68
    QT_TRANSLATE_NOOP("MidiInstrument", "English Horn "),          // 69
    QT_TRANSLATE_NOOP("MidiInstrument", "Bassoon"),                // 70
    QT_TRANSLATE_NOOP("MidiInstrument", "Clarinet "),              // 71
    QT_TRANSLATE_NOOP("MidiInstrument", "Piccolo "),               // 72
    QT_TRANSLATE_NOOP("MidiInstrument", "Flute "),                 // 73
    QT_TRANSLATE_NOOP("MidiInstrument", "Recorder "),              // 74
    QT_TRANSLATE_NOOP("MidiInstrument", "Pan flute"),              // 75
    QT_TRANSLATE_NOOP("MidiInstrument", "Blown Bottle "),          // 76
    QT_TRANSLATE_NOOP("MidiInstrument", "Shakuhachi"),             // 77
    QT_TRANSLATE_NOOP("MidiInstrument", "Whistle "),               // 78
    QT_TRANSLATE_NOOP("MidiInstrument", "Ocarina "),               // 79
    QT_TRANSLATE_NOOP("MidiInstrument", "Square Wave"),            // 80
    QT_TRANSLATE_NOOP("MidiInstrument", "Sawtooth Wave"),          // 81
    QT_TRANSLATE_NOOP("MidiInstrument", "Calliope"),               // 82
    QT_TRANSLATE_NOOP("MidiInstrument", "Chiff"),                  // 83
    QT_TRANSLATE_NOOP("MidiInstrument", "Charang "),               // 84
    QT_TRANSLATE_NOOP("MidiInstrument", "Voice "),                 // 85
    QT_TRANSLATE_NOOP("MidiInstrument", "Fifths"),                 // 86
    QT_TRANSLATE_NOOP("MidiInstrument", "Bass & Lead"),            // 87
    QT_TRANSLATE_NOOP("MidiInstrument", "New Age"),                // 88
    QT_TRANSLATE_NOOP("MidiInstrument", "Warm"),                   // 89
    QT_TRANSLATE_NOOP("MidiInstrument", "PolySynth"),              // 90
    QT_TRANSLATE_NOOP("MidiInstrument", "Choir "),                 // 91
    QT_TRANSLATE_NOOP("MidiInstrument", "Bowed "),                 // 92
    QT_TRANSLATE_NOOP("MidiInstrument", "Metallic "),              // 93
    QT_TRANSLATE_NOOP("MidiInstrument", "Halo"),                   // 94
    QT_TRANSLATE_NOOP("MidiInstrument", "Sweep "),                 // 95
    QT_TRANSLATE_NOOP("MidiInstrument", "FX Rain"),                // 96
    QT_TRANSLATE_NOOP("MidiInstrument", "FX Soundtrack "),         // 97
    QT_TRANSLATE_NOOP("MidiInstrument", "FX Crystal"),             // 98
    QT_TRANSLATE_NOOP("MidiInstrument", "FX Atmosphere "),         // 99
    QT_TRANSLATE_NOOP("MidiInstrument", "FX Brightness"),          // 100
    QT_TRANSLATE_NOOP("MidiInstrument", "FX Goblins "),            // 101
    QT_TRANSLATE_NOOP("MidiInstrument", "FX Echo Drops"),          // 102
    QT_TRANSLATE_NOOP("MidiInstrument", "FX Star Theme"),          // 103
    QT_TRANSLATE_NOOP("MidiInstrument", "Sitar"),                  // 104
    QT_TRANSLATE_NOOP("MidiInstrument", "Banjo "),                 // 105
    QT_TRANSLATE_NOOP("MidiInstrument", "Shamisen "),              // 106
    QT_TRANSLATE_NOOP("MidiInstrument", "Koto"),                   // 107
    QT_TRANSLATE_NOOP("MidiInstrument", "Kalimba "),               // 108
    QT_TRANSLATE_NOOP("MidiInstrument", "Bagpipe"),                // 109
    QT_TRANSLATE_NOOP("MidiInstrument", "Fiddle "),                // 110
    QT_TRANSLATE_NOOP("MidiInstrument", "Shanai "),                // 111
    QT_TRANSLATE_NOOP("MidiInstrument", "Tinkle bell "),           // 112
    QT_TRANSLATE_NOOP("MidiInstrument", "Agogo "),                 // 113
    QT_TRANSLATE_NOOP("MidiInstrument", "Steel Drums"),            // 114
    QT_TRANSLATE_NOOP("MidiInstrument", "Woodblock"),              // 115
    QT_TRANSLATE_NOOP("MidiInstrument", "Taiko Drum"),             // 116
    QT_TRANSLATE_NOOP("MidiInstrument", "Melodic Tom"),            // 117
    QT_TRANSLATE_NOOP("MidiInstrument", "Synth Drum "),            // 118
    QT_TRANSLATE_NOOP("MidiInstrument", "Reverse Cymbal"),         // 119
    QT_TRANSLATE_NOOP("MidiInstrument", "Guitar Fret Noise "),     // 120
    QT_TRANSLATE_NOOP("MidiInstrument", "Breath Noise"),           // 121
    QT_TRANSLATE_NOOP("MidiInstrument", "Seashore"),               // 122
    QT_TRANSLATE_NOOP("MidiInstrument", "Bird Tweet"),             // 123
    QT_TRANSLATE_NOOP("MidiInstrument", "Telephone Ring "),        // 124
    QT_TRANSLATE_NOOP("MidiInstrument", "Helicopter"),             // 125
    QT_TRANSLATE_NOOP("MidiInstrument", "Applause"),               // 126
    QT_TRANSLATE_NOOP("MidiInstrument", "Gunshot"),                // 127
};

const char* const MIDI_LOWEST_NOTE_PROMPT =
    QT_TRANSLATE_NOOP("CMidiSettingsDlg", "Please enter no more than 3 characters.");

namespace {
constexpr int DELTA_CENTS[] = {5, 10, 25, 50};
constexpr const char* PITCH_CHANGE_TEXTS[] = {QT_TRANSLATE_NOOP("CMidiSettingsDlg", "5   Cents"),
                                              QT_TRANSLATE_NOOP("CMidiSettingsDlg", "10 Cents"),
                                              QT_TRANSLATE_NOOP("CMidiSettingsDlg", "25 Cents"),
                                              QT_TRANSLATE_NOOP("CMidiSettingsDlg", "50 Cents")};
constexpr int MIN_DB[] = {-10, -20, -30, -40, -50};
constexpr const char* MIN_DB_TEXTS[] = {"-10 dB", "-20 dB", "-30 dB", "-40 dB", "-50 dB"};
// The lowest-note list runs from C3 to C6 of the note table (C2 is index 0).
constexpr int LOWEST_NOTE_FIRST = 12;
constexpr int LOWEST_NOTE_COUNT = 37;

void AddLabel(QWidget* pParent, const QString& text, int l, int t, int w,
              Qt::Alignment align = Qt::AlignLeft) {
    auto* pLabel = new QLabel(text, pParent);
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

QRadioButton* CMidiSettingsDlg::AddRadio(unsigned nId, const QString& text, int l, int t, int w) {
    auto* pRadio = new QRadioButton(text, this);
    pRadio->setObjectName(QString::number(nId));
    pRadio->setGeometry(MapDialogRect(QRect(l, t, w, 10)));
    return pRadio;
}

CMidiSettingsDlg::CMidiSettingsDlg(QWidget* pParent) : QDialog(pParent) {
    SetUpTemplateDialog(this, tr("Settings for MIDI Generation"), TEMPLATE_WIDTH, TEMPLATE_HEIGHT);

    AddTemplateGroup(this, tr("Settings for MIDI Sequence"), 7, 4, 248, 56);
    AddLabel(this, tr("Accidentals"), 12, 18, 44, Qt::AlignRight);
    m_pAccidentals = AddList(IDC_ACCIDENTALS_LIST, 60, 16, 32);
    for (int i = 0; i <= 7; ++i) m_pAccidentals->addItem(QString::number(i));
    m_pSharp = AddRadio(IDC_SHARP, tr("Sharp"), 100, 14, 44);
    m_pFlat = AddRadio(IDC_FLAT, tr("Flat"), 100, 26, 44);
    m_pMajor = AddRadio(IDC_MAJOR, tr("Major"), 152, 14, 44);
    m_pMinor = AddRadio(IDC_MINOR, tr("Minor"), 152, 26, 44);
    AddLabel(this, tr("Instrument"), 12, 42, 44, Qt::AlignRight);
    m_pInstrument = AddList(IDC_INSTRUMENT_LIST, 60, 40, 110);
    for (const char* pszName : MIDI_INSTRUMENT_NAMES)
        m_pInstrument->addItem(QCoreApplication::translate("MidiInstrument", pszName));
    AddLabel(this, tr("Tempo"), 174, 42, 30, Qt::AlignRight);
    m_pTempo = AddList(IDC_TEMPO_LIST, 208, 40, 40);

    AddTemplateGroup(this, tr("Note On MIDI Event Generation"), 7, 64, 248, 40);
    AddLabel(this, tr("Only for Notes Above"), 14, 75, 82);
    m_pLowestNote = AddList(IDC_LOWEST_NOTE_LIST, 14, 85, 56);
    for (int i = 0; i < LOWEST_NOTE_COUNT; ++i)
        m_pLowestNote->addItem(QString::fromLatin1(NoteNames[LOWEST_NOTE_FIRST + i].data()));
    AddLabel(this, tr("Minimum Pitch Change"), 98, 75, 84);
    m_pPitchChange = AddList(IDC_PITCH_CHANGE_LIST, 98, 85, 56);
    for (const char* pszText : PITCH_CHANGE_TEXTS) m_pPitchChange->addItem(tr(pszText));
    AddLabel(this, tr("Minimum dB Value"), 182, 75, 72);
    m_pMinDb = AddList(IDC_MIN_DB_LIST, 182, 85, 56);
    for (const char* pszText : MIN_DB_TEXTS) m_pMinDb->addItem(QString::fromLatin1(pszText));

    AddTemplateGroup(this, tr("Note Pitch"), 7, 108, 248, 28);
    m_pKeepPitch = AddRadio(IDC_KEEP_PITCH, tr("Keep original note pitch"), 14, 120, 112);
    m_pRoundPitch = AddRadio(IDC_ROUND_PITCH, tr("Round pitch to closest note"), 132, 120, 118);

    // Each pair is a group of its own.
    for (auto [pFirst, pSecond] : {std::pair{m_pSharp, m_pFlat}, std::pair{m_pMajor, m_pMinor},
                                   std::pair{m_pKeepPitch, m_pRoundPitch}}) {
        auto* pGroup = new QButtonGroup(this);
        pGroup->addButton(pFirst);
        pGroup->addButton(pSecond);
    }

    auto* pOk = new QPushButton(tr("OK"), this);
    pOk->setObjectName(QStringLiteral("1"));
    pOk->setGeometry(MapDialogRect(QRect(74, 146, 50, 14)));
    pOk->setDefault(true);
    auto* pCancel = new QPushButton(tr("Cancel"), this);
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
        ShowMessageText(tr(MIDI_LOWEST_NOTE_PROMPT), MB_ICONSTOP);
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
