// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class CPitchAnalyser;
class QComboBox;
class QGroupBox;
class QLineEdit;

// Control ids of template 162.
constexpr unsigned IDD_FFT_PARAMETERS = 162;
constexpr unsigned IDC_FFT_SIZE_LIST = 1002;
constexpr unsigned IDC_WINDOW_LIST = 1004;
constexpr unsigned IDC_ALPHA = 1020;
constexpr unsigned IDC_WINDOW_GROUP = 1022;
constexpr unsigned IDC_ALPHA_GROUP = 1023;

// The prompt for an alpha that is no number or lies outside 0 ... 1.
extern const char* const FFT_ALPHA_PROMPT;

// "FFT Parameters": FFT size, window function and the Gaussian window's
// alpha. The main window keeps one instance; the members survive every
// opening, and list changes are read back at once, so even a cancelled
// opening leaves the chosen lists for the next one.
class CFftParamsDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int TEMPLATE_WIDTH = 216;
    static constexpr int TEMPLATE_HEIGHT = 66;

    explicit CFftParamsDlg(QWidget* pParent = nullptr);

    // Fills the controls from the members, then runs the dialog modally.
    int exec() override;

    // The members into the analysis: window type, size, bin width and the
    // negated alpha, used from the next block on. The applied values are
    // kept apart from the members, which a cancelled opening also changes.
    void Apply(CPitchAnalyser& analyser);

    // Reads every control back into the members; a refused alpha shows the
    // prompt, puts the focus on the field and returns false.
    bool UpdateData();

    int m_nFftSizeIndex = 1;  // 0: 4096, 1: 8192
    int m_nWindowIndex = 3;   // WindowType order; 3 is "Hanning"
    float m_fAlpha = 0.5f;
    int m_nAppliedSizeIndex = 1;
    int m_nAppliedWindowIndex = 3;
    float m_fAppliedAlpha = 0.5f;

    QComboBox* GetSizeList() const { return m_pSizeList; }
    QComboBox* GetWindowList() const { return m_pWindowList; }
    QLineEdit* GetAlphaField() const { return m_pAlpha; }
    QGroupBox* GetAlphaGroup() const { return m_pAlphaGroup; }

public slots:
    void accept() override;

private:
    void OnInitDialog();
    void OnWindowChanged();
    void OnSizeChanged();
    void EnableAlpha(bool bEnable);

    QComboBox* m_pSizeList;
    QComboBox* m_pWindowList;
    QGroupBox* m_pAlphaGroup;
    QLineEdit* m_pAlpha;
};
