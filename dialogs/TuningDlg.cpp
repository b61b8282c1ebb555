// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/TuningDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "analysis/StringPresets.h"
#include "analysis/Temperaments.h"
#include "analysis/Tuning.h"
#include "platform/ui/MessageBox.h"
#include "resources/CoreTexts.h"

namespace {
// The strings list: no strings, the presets, then notes of one's own.
constexpr int STRINGS_NONE_ROW = 0;

QString Local(const std::string& s) {
    return QString::fromLocal8Bit(s.c_str());
}
std::string Local(const QString& s) {
    return s.toLocal8Bit().toStdString();
}
}  // namespace

CTuningDlg::CTuningDlg(QWidget* pParent) : QDialog(pParent) {
    setWindowTitle(tr("Tuning"));
    auto* pForm = new QFormLayout;

    m_pTemperament = new QComboBox(this);
    for (size_t i = 0; i < Temperaments().size(); ++i)
        m_pTemperament->addItem(TemperamentDisplayTitle(static_cast<int>(i)));
    m_pTonic = new QComboBox(this);
    for (int i = 0; i < 12; ++i) m_pTonic->addItem(QString::fromLatin1(PitchClassName(i)));
    auto* pTemperamentRow = new QHBoxLayout;
    pTemperamentRow->addWidget(m_pTemperament, 1);
    pTemperamentRow->addWidget(new QLabel(tr("on"), this));
    pTemperamentRow->addWidget(m_pTonic);
    pForm->addRow(tr("&Temperament:"), pTemperamentRow);

    m_pPreview = new QLabel(this);
    m_pPreview->setAccessibleName(tr("Offsets from equal temperament in cents"));
    pForm->addRow(tr("Cents:"), m_pPreview);

    const auto fileRow = [this, pForm](const QString& strLabel, QLineEdit*& pField,
                                       const QString& strFilter) {
        pField = new QLineEdit(this);
        auto* pBrowse = new QPushButton(tr("Browse..."), this);
        pBrowse->setAutoDefault(false);
        QLineEdit* const* ppField = &pField;
        connect(pBrowse, &QPushButton::clicked, this,
                [this, ppField, strFilter] { Browse(*ppField, strFilter); });
        auto* pRow = new QHBoxLayout;
        pRow->addWidget(pField, 1);
        pRow->addWidget(pBrowse);
        pForm->addRow(strLabel, pRow);
    };
    fileRow(tr("Scala &scale:"), m_pScale, tr("Scala scales (*.scl);;All files (*)"));
    fileRow(tr("&Keyboard map:"), m_pKeymap, tr("Scala keyboard maps (*.kbm);;All files (*)"));

    m_pStrings = new QComboBox(this);
    m_pStrings->addItem(tr("None"));
    for (size_t i = 0; i < StringPresets().size(); ++i)
        m_pStrings->addItem(StringPresetDisplayTitle(static_cast<int>(i)) + QStringLiteral(" (") +
                            QString::fromLatin1(StringPresets()[i].notes) + QStringLiteral(")"));
    m_pStrings->addItem(tr("Notes of my own"));
    pForm->addRow(tr("St&rings:"), m_pStrings);
    m_pNotes = new QLineEdit(this);
    m_pNotes->setPlaceholderText(QStringLiteral("E3 A3 D4 G4 B4 E5"));
    pForm->addRow(tr("&Notes:"), m_pNotes);

    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(pButtons, &QDialogButtonBox::accepted, this, &CTuningDlg::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pForm);
    pLayout->addWidget(pButtons);

    connect(m_pTemperament, &QComboBox::currentIndexChanged, this, [this] { UpdatePreview(); });
    connect(m_pTonic, &QComboBox::currentIndexChanged, this, [this] { UpdatePreview(); });
    connect(m_pStrings, &QComboBox::currentIndexChanged, this, [this] { UpdateEnabled(); });
    connect(m_pScale, &QLineEdit::textChanged, this, [this] { UpdateEnabled(); });
}

void CTuningDlg::SetValues(const CTuningValues& values) {
    m_values = values;
    m_pTemperament->setCurrentIndex(values.nTemperament);
    m_pTonic->setCurrentIndex(values.nTonic);
    m_pScale->setText(Local(values.strScale));
    m_pKeymap->setText(Local(values.strKeymap));
    int nRow = STRINGS_NONE_ROW;
    m_pNotes->clear();
    if (!values.strStrings.empty()) {
        nRow = m_pStrings->count() - 1;
        for (size_t i = 0; i < StringPresets().size(); ++i)
            if (values.strStrings == StringPresets()[i].name) nRow = static_cast<int>(i) + 1;
        if (nRow == m_pStrings->count() - 1) m_pNotes->setText(Local(values.strStrings));
    }
    m_pStrings->setCurrentIndex(nRow);
    UpdatePreview();
    UpdateEnabled();
}

QString CTuningDlg::PreviewText() const {
    const std::array<double, 12> adOffsets = TemperamentOffsets(
        std::max(0, m_pTemperament->currentIndex()), std::max(0, m_pTonic->currentIndex()));
    QString text;
    for (int i = 0; i < 12; ++i) {
        if (i == 6)
            text += QLatin1Char('\n');
        else if (i > 0)
            text += QStringLiteral("   ");
        text += QString::fromLatin1(PitchClassName(i)) + QLatin1Char(' ') +
                QString::asprintf("%+.1f", adOffsets[static_cast<size_t>(i)]);
    }
    return text;
}

void CTuningDlg::UpdatePreview() {
    m_pPreview->setText(PreviewText());
}

void CTuningDlg::UpdateEnabled() {
    const bool bStrings = m_pStrings->currentIndex() != STRINGS_NONE_ROW;
    m_pNotes->setEnabled(m_pStrings->currentIndex() == m_pStrings->count() - 1);
    // A scale and strings do not go together: strings are tuned in the
    // temperament.
    m_pScale->setEnabled(!bStrings);
    m_pKeymap->setEnabled(!bStrings && !m_pScale->text().isEmpty());
}

void CTuningDlg::Browse(QLineEdit* pField, const QString& strFilter) {
    const QString strStart =
        pField->text().isEmpty() ? QString() : QFileInfo(pField->text()).absolutePath();
    const QString strChosen = QFileDialog::getOpenFileName(this, tr("Open"), strStart, strFilter);
    if (!strChosen.isEmpty()) pField->setText(strChosen);
}

void CTuningDlg::accept() {
    CTuningValues values = m_values;
    values.nTemperament = std::max(0, m_pTemperament->currentIndex());
    values.nTonic = std::max(0, m_pTonic->currentIndex());
    const int nRow = m_pStrings->currentIndex();
    std::string strStrings;
    if (nRow == m_pStrings->count() - 1)
        strStrings = Local(m_pNotes->text().trimmed());
    else if (nRow > STRINGS_NONE_ROW)
        strStrings = StringPresets()[static_cast<size_t>(nRow - 1)].name;
    const std::string strScale = strStrings.empty() ? Local(m_pScale->text().trimmed()) : "";
    const std::string strKeymap = strScale.empty() ? "" : Local(m_pKeymap->text().trimmed());
    // Each as the command line reads it, so the messages are the same; then
    // the whole, which reads the files once more.
    std::string strError;
    bool bOk = FindTuningOption("scale")->parse(strScale, values, strError) &&
               FindTuningOption("keymap")->parse(strKeymap, values, strError) &&
               FindTuningOption("strings")->parse(strStrings, values, strError);
    if (bOk) bOk = CTuning::Build(values, strError) != nullptr;
    if (!bOk) {
        ShowMessageText(Local(strError), MB_ICONEXCLAMATION);
        return;
    }
    m_values = values;
    QDialog::accept();
}
