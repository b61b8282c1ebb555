// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "plugins/PluginBinding.h"

class CSpectrumArea;
class QComboBox;
class QLineEdit;
class QRadioButton;

// Control ids of template 175.
constexpr unsigned IDD_SPECTRUM_SETTINGS = 175;
constexpr unsigned IDC_LINEAR = 1000;
constexpr unsigned IDC_LOGARITHMIC = 1001;
constexpr unsigned IDC_DYNAMIC_LIST = 1003;
constexpr unsigned IDC_FROM = 1059;
constexpr unsigned IDC_TO = 1060;

// The prompt for a From or To that is no whole number or lies outside the
// band the analysis covers.
extern const char* const SPECTRUM_RANGE_PROMPT;

// "Spectrum View Settings": linear or logarithmic scale, dynamic range and,
// with the display plug-in, the frequency range shown. One instance lives
// with the main window, so each opening shows the values of the last one.
class CSpectrumSettingsDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int TEMPLATE_WIDTH = 181;
    static constexpr int TEMPLATE_HEIGHT = 116;
    static constexpr int MIN_RANGE_HZ = 40;
    static constexpr int MAX_RANGE_HZ = 4000;
    static constexpr int MIN_SPAN_HZ = 500;

    explicit CSpectrumSettingsDlg(QWidget* pParent = nullptr);

    // From and To can be edited only when the display plug-in is there.
    void SetDisplayPluginAvailable(bool bAvailable) { m_bDisplayAvailable = bAvailable; }
    bool IsDisplayPluginAvailable() const { return m_bDisplayAvailable; }

    // Fills the controls from the members, then runs the dialog modally.
    int exec() override;

    // Dynamic range in dB of a list index; 0 for an index outside the list.
    static unsigned DynamicRangeOf(int nIndex);

    // What OK changes, after the dialog ended with OK: the dynamic range in
    // *pnDynamicRange (the floor of the spectrum) and in the view, the view's
    // scale, and only with pfnSetRange (the display plug-in) the view's range,
    // its zoom state and the zoom menu items.
    void Apply(unsigned* pnDynamicRange, CSpectrumArea* pArea,
               PFN_SETRANGE pfnSetRange) const;

    int m_nDynamicIndex = 3;  // 45 dB
    int m_nScale = 0;         // 0 linear, 1 logarithmic
    int m_nFrom = 40;
    int m_nTo = 4000;

    QRadioButton* GetLinear() const { return m_pLinear; }
    QRadioButton* GetLogarithmic() const { return m_pLogarithmic; }
    QComboBox* GetDynamicList() const { return m_pDynamicList; }
    QLineEdit* GetFrom() const { return m_pFrom; }
    QLineEdit* GetTo() const { return m_pTo; }

public slots:
    // The checks of OK in their order; the first that fails leaves the
    // dialog open with everything as typed.
    void accept() override;

private:
    void OnInitDialog();
    bool UpdateData();
    bool ReadRangeField(QLineEdit* pField, int* pnValue);

    bool m_bDisplayAvailable = false;
    QRadioButton* m_pLinear;
    QRadioButton* m_pLogarithmic;
    QComboBox* m_pDynamicList;
    QLineEdit* m_pFrom;
    QLineEdit* m_pTo;
};
