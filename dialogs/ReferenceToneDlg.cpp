// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/ReferenceToneDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

#include "analysis/NoteTable.h"
#include "analysis/ReferenceTone.h"
#include "analysis/Tuning.h"
#include "platform/ui/MessageBox.h"
#include "resources/CoreTexts.h"

namespace {
constexpr int DEFAULT_VOLUME_PERCENT = 50;
// How often the dialog looks whether the server still plays the tone.
constexpr int WATCH_INTERVAL_MS = 250;
}  // namespace

CReferenceToneDlg::CReferenceToneDlg(const CTuningValues& values,
                                     std::unique_ptr<ITonePlayer> pPlayer, QWidget* pParent)
    : QDialog(pParent), m_values(values), m_pPlayer(std::move(pPlayer)) {
    setWindowTitle(tr("Reference Tone"));
    auto* pForm = new QFormLayout;

    // The notes the tuner measures against, as far as a loudspeaker plays
    // them; A5 (or the lowest string) chosen at first.
    m_pNote = new QComboBox(this);
    std::string strError;
    const std::shared_ptr<const CTuning> pTuning = CTuning::Build(m_values, strError);
    int nFirst = 0;
    for (int i = 0; pTuning && i < pTuning->GetCount(); ++i) {
        const TuningTarget& t = pTuning->GetTarget(i);
        double dHz = 0;
        if (!NoteFrequencyHz(m_values, t.name.data(), dHz, strError)) continue;
        if (t.nPosition == NOTE_A5 && m_values.strStrings.empty()) nFirst = m_pNote->count();
        m_pNote->addItem(QString::fromLatin1(t.name.data()));
        m_adHz.push_back(dHz);
    }
    m_pNote->setCurrentIndex(nFirst);
    pForm->addRow(tr("Tuning:"),
                  new QLabel(pTuning && !pTuning->IsDefault() ? TuningDisplayTitle(m_values)
                                                              : TemperamentDisplayTitle(0),
                             this));
    pForm->addRow(tr("&Note:"), m_pNote);
    m_pFrequency = new QLabel(this);
    pForm->addRow(tr("Frequency:"), m_pFrequency);

    m_pShape = new QComboBox(this);
    m_pShape->addItem(tr("Sine"));
    m_pShape->addItem(tr("Soft (with harmonics)"));
    pForm->addRow(tr("&Sound:"), m_pShape);

    m_pVolume = new QSlider(Qt::Horizontal, this);
    m_pVolume->setRange(1, 100);
    m_pVolume->setValue(DEFAULT_VOLUME_PERCENT);
    m_pVolume->setAccessibleName(tr("Volume in percent"));
    auto* pPercent = new QLabel(this);
    const auto showPercent = [this, pPercent] {
        pPercent->setText(tr("%1 %").arg(m_pVolume->value()));
    };
    showPercent();
    connect(m_pVolume, &QSlider::valueChanged, this, showPercent);
    auto* pVolumeRow = new QHBoxLayout;
    pVolumeRow->addWidget(m_pVolume, 1);
    pVolumeRow->addWidget(pPercent);
    auto* pVolumeLabel = new QLabel(tr("&Volume:"), this);
    pVolumeLabel->setBuddy(m_pVolume);
    pForm->addRow(pVolumeLabel, pVolumeRow);

    m_pPlay = new QPushButton(tr("&Play"), this);
    m_pStop = new QPushButton(tr("S&top"), this);
    m_pStop->setEnabled(false);
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    pButtons->addButton(m_pPlay, QDialogButtonBox::ActionRole);
    pButtons->addButton(m_pStop, QDialogButtonBox::ActionRole);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pPlay, &QPushButton::clicked, this, &CReferenceToneDlg::Play);
    connect(m_pStop, &QPushButton::clicked, this, &CReferenceToneDlg::Stop);
    connect(m_pNote, &QComboBox::currentIndexChanged, this, &CReferenceToneDlg::OnChoiceChanged);
    connect(m_pShape, &QComboBox::currentIndexChanged, this, &CReferenceToneDlg::OnChoiceChanged);
    // Restarting the tone while the slider is dragged would stutter.
    connect(m_pVolume, &QSlider::sliderReleased, this, &CReferenceToneDlg::OnChoiceChanged);
    connect(m_pVolume, &QSlider::valueChanged, this, [this] {
        if (!m_pVolume->isSliderDown()) OnChoiceChanged();
    });

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pForm);
    pLayout->addWidget(pButtons);
    m_pPlay->setEnabled(!m_adHz.empty());
    OnChoiceChanged();

    auto* pWatch = new QTimer(this);
    connect(pWatch, &QTimer::timeout, this, &CReferenceToneDlg::CheckPlaying);
    pWatch->start(WATCH_INTERVAL_MS);
}

CReferenceToneDlg::~CReferenceToneDlg() {
    Stop();
}

double CReferenceToneDlg::GetFrequency() const {
    const int nRow = m_pNote->currentIndex();
    return nRow >= 0 && nRow < static_cast<int>(m_adHz.size()) ? m_adHz[static_cast<size_t>(nRow)]
                                                               : 0.0;
}

void CReferenceToneDlg::done(int nResult) {
    Stop();
    QDialog::done(nResult);
}

void CReferenceToneDlg::Play() {
    const double dHz = GetFrequency();
    if (dHz <= 0) return;
    const ToneShape shape = m_pShape->currentIndex() == 1 ? ToneShape::Soft : ToneShape::Sine;
    if (!m_pPlayer->Play(dHz, shape, m_pVolume->value() / 100.0)) {
        Stop();
        ShowMessageText(tr("Cannot play the reference tone."), MB_ICONEXCLAMATION,
                        QString::fromLocal8Bit(m_pPlayer->GetLastErrorText().c_str()));
        return;
    }
    m_pStop->setEnabled(true);
}

void CReferenceToneDlg::Stop() {
    if (m_pPlayer) m_pPlayer->Stop();
    if (m_pStop) m_pStop->setEnabled(false);
}

void CReferenceToneDlg::CheckPlaying() {
    if (!m_pStop->isEnabled() || m_pPlayer->IsPlaying()) return;
    Stop();
    ShowMessageText(tr("The sound server stopped the reference tone."), MB_ICONEXCLAMATION);
}

void CReferenceToneDlg::OnChoiceChanged() {
    m_pFrequency->setText(tr("%1 Hz").arg(GetFrequency(), 0, 'f', 3));
    if (m_pStop->isEnabled()) Play();
}

void ShowReferenceToneDlg(QWidget* pParent, const CTuningValues& values) {
    CReferenceToneDlg dlg(values, CreatePulseTonePlayer(), pParent);
    dlg.exec();
}
